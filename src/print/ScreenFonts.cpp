#include "print/ScreenFonts.h"

#include <QApplication>
#include <QList>

namespace {

QList<QFont> &fonts() {
    static QList<QFont> set;
    return set;
}

QFont makeFont(const QString &face, int points, bool bold) {
    QFont font(face);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

void installFontSubstitutes() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QList<std::pair<const char *, QStringList>> substitutes{
        {"Calibri", {"Carlito"}},     {"Candara", {"Carlito"}},      {"arial", {"Liberation Sans", "Arimo"}},
        {"Verdana", {"DejaVu Sans"}}, {"Ms Trebuchet", {"Carlito"}}, // DejaVu Sans runs a fifth wider than the labels
                                                                     // allow
    };
    for (const auto &[face, twins] : substitutes)
        QFont::insertSubstitutions(QString::fromLatin1(face), twins);
}

void loadScreenFonts() {
    if (!fonts().isEmpty())
        return;
    installFontSubstitutes();
    const QStringList faces{QStringLiteral("arial"), QStringLiteral("Ms Trebuchet"), QStringLiteral("Calibri")};
    QList<QFont> set(50);
    for (int i = 0; i < 8; ++i) {
        for (int face = 0; face < 3; ++face) {
            set[3 * i + face] = makeFont(faces[face], 8 + i, false);
            set[24 + 3 * i + face] = makeFont(faces[face], 9 + i, true);
        }
    }
    set[48] = makeFont(faces[0], 8, true);
    set[49] = makeFont(faces[2], 18, true);
    fonts() = set;
}

const QFont &screenFont(int number) {
    loadScreenFonts();
    static const QFont fallback;
    return number >= 0 && number < fonts().size() ? fonts()[number] : fallback;
}
