#include "framework/qt/dialog_font.h"

#include "framework/qt/text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <map>
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
};

// The family that draws `face`: the face itself when it is installed, else the first
// installed font that stands in for it. Other fonts that ask for the face by name get the
// stand-ins as substitutions. Asking for an installed family straight away spares the
// toolkit working out fallbacks for a family that is not there, a sixth of start-up.
QString DrawingFamily(const QString& face)
{
    static std::map<QString, QString> chosen;  // GCOVR_EXCL_BR_LINE: the guard of a static
    if (const auto found = chosen.find(face); found != chosen.end())
        return found->second;
    // The installed families are listed for drawing anyway; hasFamily() would also resolve
    // the face as a font alias, a full font substitution of its own.
    const QStringList installed = QFontDatabase::families();
    QString family = face;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        QStringList substitutes;
        for (const FontStandIn& standIn : kStandIns) {
            if (ToNative(standIn.face) == face)
                substitutes << QString::fromLatin1(standIn.standIn);
        }
        substitutes << QFontDatabase::families(QFontDatabase::Japanese);
        QFont::insertSubstitutions(face, substitutes);
        // The package depends on a Japanese font, the first stand-in: one is always installed.
        for (const QString& substitute : substitutes) {  // GCOVR_EXCL_BR_LINE
            if (installed.contains(substitute, Qt::CaseInsensitive)) {  // GCOVR_EXCL_BR_LINE: as above
                family = substitute;
                break;
            }
        }
    }
    return chosen.emplace(face, family).first->second;
}

}  // namespace

QFont MakeDialogFont(const DialogFont& font)
{
    QFont result(DrawingFamily(ToNative(font.face)));  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
    result.setPixelSize(MulDiv(font.pointSize, kLogPixels, kPointsPerInch));
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
