#include "files/gamefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QLatin1String Format("vastgoed-spel");

QJsonArray colourJson(const RgbColour &c) { return QJsonArray{c.red, c.green, c.blue}; }

std::optional<RgbColour> colourOf(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    if (a.size() != 3)
        return std::nullopt;
    int c[3];
    for (int i = 0; i < 3; ++i) {
        if (!a[i].isDouble())
            return std::nullopt;
        c[i] = int(qBound(0.0, a[i].toDouble(), 255.0));
    }
    return RgbColour{c[0], c[1], c[2]};
}

// A text of the game, without control characters, at most `length` long.
QString textOf(const QJsonObject &o, const char *key, int length)
{
    QString text = o.value(QLatin1String(key)).toString().left(length);
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
}

int intOf(const QJsonObject &o, const char *key, int low, int high, int fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? int(qBound(double(low), v.toDouble(), double(high))) : fallback;
}
}

QByteArray GameFileBytes(const GameFile &file)
{
    QJsonArray bank;
    for (const BankNote &n : file.game.bank)
        bank.append(QJsonObject{{"amount", n.amount},
                                {"amountColour", n.amountColour},
                                {"background", colourJson(n.background)},
                                {"greyOutlines", n.greyOutlines},
                                {"picture", n.picture},
                                {"amountOverPicture", n.amountOverPicture},
                                {"perPlayer", n.perPlayer}});
    const QJsonObject root{{"format", Format},
                           {"version", 1},
                           {"title", file.game.title},
                           {"subtitle", file.game.subtitle},
                           {"town", file.game.town},
                           {"cardBorder", colourJson(file.cardBorder)},
                           {"bank", bank}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<GameFile> ReadGameFile(const QByteArray &bytes)
{
    if (bytes.size() > 256 * 1024)
        return std::nullopt;
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (root.value(QLatin1String("format")).toString() != Format || root.value(QLatin1String("version")).toInt() != 1)
        return std::nullopt;
    GameFile file;
    file.game.title = textOf(root, "title", MaxGameText);
    file.game.subtitle = textOf(root, "subtitle", 2 * MaxGameText);
    file.game.town = textOf(root, "town", MaxGameText);
    if (const auto border = colourOf(root.value(QLatin1String("cardBorder"))))
        file.cardBorder = *border;
    for (const QJsonValue &v : root.value(QLatin1String("bank")).toArray()) {
        if (int(file.game.bank.size()) >= MaxBankNotes)
            break;
        const QJsonObject o = v.toObject();
        const auto background = colourOf(o.value(QLatin1String("background")));
        if (!o.value(QLatin1String("amount")).isString() || !background)
            continue;
        BankNote n;
        n.amount = textOf(o, "amount", 15);
        n.amountColour = intOf(o, "amountColour", 1, 13, 1);
        n.background = *background;
        n.greyOutlines = o.value(QLatin1String("greyOutlines")).toBool();
        n.picture = intOf(o, "picture", -1, 7, -1);
        n.amountOverPicture = o.value(QLatin1String("amountOverPicture")).toBool();
        n.perPlayer = intOf(o, "perPlayer", 0, 100, 0);
        file.game.bank.push_back(n);
    }
    return file;
}
