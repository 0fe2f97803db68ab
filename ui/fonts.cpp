#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QMessageBox>
#include <QRawFont>

#include <algorithm>
#include <cstdio>

namespace morvane {
namespace {

bool installed(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

bool drawsThai(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai);
}

struct Substitute
{
    const char *family;
    qreal scale;
};

// Preferred stand-ins, best first; see the header for the measurements.
const QHash<QString, QList<Substitute>> &substitutes()
{
    static const QHash<QString, QList<Substitute>> table = {
        {kBrowallia.toLower(), {{"Garuda", 0.68}, {"Loma", 0.72}, {"Waree", 0.72}}},
        {kMsSansSerif.toLower(), {{"Loma", 0.9}, {"Waree", 0.85}, {"Garuda", 0.8}}},
    };
    return table;
}

FontChoice lookUp(const QString &requested)
{
    if (installed(requested))
        return {requested, 1.0};
    for (const Substitute &s : substitutes().value(requested.toLower())) {
        const QString family = QString::fromLatin1(s.family);
        if (installed(family) && drawsThai(family))
            return {family, s.scale};
    }
    const QStringList thai = QFontDatabase::families(QFontDatabase::Thai);
    if (!thai.isEmpty())
        return {thai.first(), 1.0};
    return {requested, 1.0};  // nothing draws Thai here; let Qt do its best
}

}  // namespace

FontChoice resolveFamily(const QString &requested)
{
    // The font database does not change while the program runs.
    static QHash<QString, FontChoice> cache;
    const QString key = requested.toLower();
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key, lookUp(requested));
    return *it;
}

bool checkThaiFonts(QWidget *parent)
{
    if (!QFontDatabase::families(QFontDatabase::Thai).isEmpty())
        return true;
    std::fputs("morvane: no installed font can draw Thai, so the program's text shows as empty boxes.\n"
               "morvane: install the package fonts-thai-tlwg (sudo apt install fonts-thai-tlwg), or at least"
               " fonts-tlwg-garuda-ttf and fonts-tlwg-loma-ttf, and start Morvane again.\n",
               stderr);
    const QString text = QStringLiteral(u"ไม่พบแบบอักษรภาษาไทยในเครื่องนี้ ข้อความในโปรแกรมจึงแสดงเป็นช่องสี่เหลี่ยม "
                                        u"กรุณาติดตั้งแพ็กเกจ fonts-thai-tlwg แล้วเปิดโปรแกรมอีกครั้ง");
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Morvane"), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("NoThaiFont"));
    box->setInformativeText(QStringLiteral("sudo apt install fonts-thai-tlwg"));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A font fontconfig does not count as Thai may still hold these letters.
    for (const QString &family : QFontDatabase::families()) {
        const QRawFont raw = QRawFont::fromFont(QFont(family), QFontDatabase::Thai);
        if (raw.isValid() && std::all_of(text.begin(), text.end(), [&](QChar c) { return raw.supportsCharacter(c); })) {
            box->setFont(QFont(family));
            break;
        }
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

const QString &familyName(design::Family family)
{
    return family == design::Family::BrowalliaUPC ? kBrowallia : kMsSansSerif;
}

QFont resolveFont(const design::Face &face)
{
    return resolveFont(familyName(face.family), face.points, face.bold, face.italic);
}

QFont resolveFont(const QString &requested, qreal pointSize, bool bold, bool italic)
{
    const FontChoice choice = resolveFamily(requested);
    QFont font(choice.family);
    font.setPointSizeF(pointSize * choice.scale);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace morvane
