// Texts and messages of the skinned windows: language texts by key for the
// main window's language, the model's text lookup, and the model's messages shown
// as message boxes.
#pragma once

#include <QString>
#include <functional>

#include "model/TextLookup.h"
#include "model/UserMessage.h"
#include "ui/skin/layout/LanguageText.h"

class QWidget;

namespace skin {

// The text of a key of section "TEXT".
QString dialogText(const char *key, int languageIndex);
QString dialogText(std::u16string_view key, int languageIndex);
// The text of a key of section "TEXT", or `fallback` when the language file
// has no such text.
QString dialogTextOr(const char *key, int languageIndex, const QString &fallback);

// Shows the model's messages as notices over `parent`, the number put into the
// text's integer placeholder.
model::MessageSink messageSinkFor(QWidget *parent, LanguageIndexSource languageIndex);

// Asks a Yes/No question (No being the default); true on Yes.
bool askYesNo(QWidget *parent, std::u16string_view textKey, int languageIndex);

}  // namespace skin
