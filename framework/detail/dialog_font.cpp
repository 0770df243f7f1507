#include "framework/detail/dialog_font.h"

#include "framework/detail/qt_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <set>
#include <string_view>

namespace detail {

namespace {

constexpr int kLogPixels = 96;
constexpr int kPointsPerInch = 72;

struct FontStandIn {
    std::string_view face;
    const char* standIn;
};

// Faces of the old platform and the installed fonts that share their metrics.
constexpr FontStandIn kStandIns[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},
};

void RegisterStandIns(const QString& face)
{
    static std::set<QString> registered;
    if (!registered.insert(face).second || QFontDatabase::hasFamily(face))
        return;
    QStringList substitutes;
    for (const FontStandIn& standIn : kStandIns) {
        if (ToQString(standIn.face) == face)
            substitutes << QString::fromLatin1(standIn.standIn);
    }
    substitutes << QFontDatabase::families(QFontDatabase::Japanese);
    QFont::insertSubstitutions(face, substitutes);
}

}  // namespace

QFont MakeDialogFont(const DialogFont& font)
{
    const QString face = ToQString(font.face != nullptr ? font.face : "");
    RegisterStandIns(face);
    QFont result(face);
    result.setPixelSize(MulDiv(font.pointSize, kLogPixels, kPointsPerInch));
    if (font.weight != 0)
        result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    return result;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnitsFromFont(alphabetWidth, metrics.height());
}

}  // namespace detail
