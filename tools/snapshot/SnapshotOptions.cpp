#include "SnapshotOptions.h"

#include <QRegularExpression>
#include <map>

namespace snapshot {
namespace {

using Look = CPngButton::Look;

std::optional<Look> lookOfName(const QString &name) {
    static const std::map<QString, Look> looks{{"normal", Look::Normal},
                                               {"over", Look::Over},
                                               {"down", Look::Down},
                                               {"selected", Look::Selected},
                                               {"disabled", Look::Disabled}};
    const auto found = looks.find(name.toLower());
    if (found == looks.end()) return std::nullopt;
    return found->second;
}

// "KEY[:look]"
std::optional<ButtonRequest> parseButton(const QString &value) {
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() > 2 || parts.front().isEmpty()) return std::nullopt;
    ButtonRequest request{parts.front()};
    if (parts.size() == 2) {
        const std::optional<Look> look = lookOfName(parts.back());
        if (!look) return std::nullopt;
        request.look = *look;
    }
    return request;
}

// "KEY=TEXT_KEY" or "KEY=SECTION/TEXT_KEY"
std::optional<TextRequest> parseText(const QString &value) {
    const qsizetype equals = value.indexOf(QLatin1Char('='));
    if (equals <= 0 || equals + 1 >= value.size()) return std::nullopt;
    TextRequest request{value.left(equals), QStringLiteral("TEXT"), value.mid(equals + 1)};
    const qsizetype slash = request.textKey.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        request.section = request.textKey.left(slash);
        request.textKey = request.textKey.mid(slash + 1);
    }
    return request;
}

}  // namespace

QString usage() {
    return QStringLiteral(
        "usage: varnel-snapshot --skin SKIN.ini --out FILE.png [options]\n"
        "  --pictures N,O,D,X,S   the five state pictures (skin folder relative)\n"
        "  --buttons-matching RE  place every BUTTONINFO key matching RE as an image button\n"
        "  --button KEY[:LOOK]    place one image button; LOOK is normal, over, down,\n"
        "                         selected or disabled\n"
        "  --caption KEY=TEXT     caption an image button with a language text\n"
        "                         ([SECTION/]TEXT_KEY, section TEXT by default)\n"
        "  --label KEY=TEXT       a label placed by KEY with a language text\n");
}

std::optional<Options> parseOptions(const QStringList &arguments, QString &error) {
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &name = arguments[i];
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("missing value after %1").arg(name);
            return std::nullopt;
        }
        const QString &value = arguments[++i];
        bool usable = true;
        if (name == QLatin1String("--skin")) {
            options.skinFile = value;
        } else if (name == QLatin1String("--out")) {
            options.outputFile = value;
        } else if (name == QLatin1String("--buttons-matching")) {
            options.buttonPattern = value;
            usable = QRegularExpression(value).isValid();
        } else if (name == QLatin1String("--pictures")) {
            options.pictures = value.split(QLatin1Char(','));
            usable = options.pictures.size() == 5;
        } else if (name == QLatin1String("--button")) {
            const auto button = parseButton(value);
            if (button) options.buttons.push_back(*button);
            usable = button.has_value();
        } else if (name == QLatin1String("--caption") || name == QLatin1String("--label")) {
            const auto text = parseText(value);
            if (text)
                (name == QLatin1String("--label") ? options.labels : options.captions)
                    .push_back(*text);
            usable = text.has_value();
        } else {
            usable = false;
        }
        if (!usable) {
            error = QStringLiteral("cannot use %1 %2").arg(name, value);
            return std::nullopt;
        }
    }
    if (options.skinFile.isEmpty() || options.outputFile.isEmpty()) {
        error = QStringLiteral("--skin and --out are required");
        return std::nullopt;
    }
    return options;
}

}  // namespace snapshot
