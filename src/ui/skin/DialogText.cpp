#include "ui/skin/DialogText.h"

#include "model/IntegerFormat.h"
#include "ui/skin/DialogServices.h"
#include "ui/skin/layout/LanguageText.h"

namespace skin {

QString dialogText(const char *key, int languageIndex) {
    return dialogText(QString::fromLatin1(key).toStdU16String(), languageIndex);
}

QString dialogText(std::u16string_view key, int languageIndex) {
    return QString::fromStdU16String(lookupText(key, languageIndex));
}

QString dialogTextOr(const char *key, int languageIndex, const QString &fallback) {
    const std::u16string text =
        lookupText(QString::fromLatin1(key).toStdU16String(), languageIndex);
    return text == kMissingText ? fallback : QString::fromStdU16String(text);
}

model::MessageSink messageSinkFor(QWidget *parent, LanguageIndexSource languageIndex) {
    return [parent, languageIndex = std::move(languageIndex)](const model::UserMessage &message) {
        std::u16string text = lookupText(message.textKey, languageIndex());
        if (message.number) {
            text = model::formatWithInteger(text, static_cast<unsigned>(*message.number));
        }
        dialogServices().showMessage(parent, QString::fromStdU16String(text), QString(),
                                     MessageButtons::Ok);
    };
}

bool askYesNo(QWidget *parent, std::u16string_view textKey, int languageIndex) {
    return dialogServices().showMessage(parent, dialogText(textKey, languageIndex), QString(),
                                        MessageButtons::YesNo) == MessageAnswer::Yes;
}

}  // namespace skin
