#include "views/kit/Style.h"
#include "Looks.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Style::Role;

namespace {

// A colour as it shows where it is painted over a background.
QColor drawnOver(const QColor& colour, const QColor& background) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(background);
    QPainter(&image).fillRect(image.rect(), colour);
    return image.pixelColor(1, 1);
}

} // namespace

// The text roles, as drawn on a window, on a box and on a table's striped rows, in a light and a dark
// palette: each stands apart from its background and from the others, the plain text reads strongest and
// the tertiary faintest, and every one reads as text must, the placeholders the application draws in too.
// Links take the accent's hue. On a selected row the secondary words read as its highlighted text, and the
// faintest read there no stronger.
TEST(Style, TextRolesStandApartAndTheirWordsRead) {
    const struct {
        const char* name;
        std::optional<Role> role; // none: the plain text
    } roles[] = {
        {"text", std::nullopt},
        {"secondary", Role::secondary},
        {"link", Role::link},
        {"tertiary", Role::tertiary},
    };
    const double least = Contrast::required(QApplication::font());
    for (const auto& [paletteName, palette] :
         {std::pair{"light", QApplication::palette()}, std::pair{"dark", darkPalette()}}) {
        for (const QPalette::ColorRole area : {QPalette::Window, QPalette::Base, QPalette::AlternateBase}) {
            SCOPED_TRACE(std::string(paletteName) + " on " + std::to_string(area));
            const QColor background = palette.color(area);
            QList<QColor> drawn;
            for (const auto& r : roles) {
                drawn.append(
                    drawnOver(r.role ? Style::color(*r.role, palette) : palette.color(QPalette::WindowText),
                              background));
                EXPECT_GE(Contrast::ratio(drawn.last(), background), least)
                    << r.name << ": " << drawn.last().name().toStdString() << " on "
                    << background.name().toStdString();
            }
            for (qsizetype a = 0; a < drawn.size(); ++a) {
                for (qsizetype b = a + 1; b < drawn.size(); ++b) {
                    EXPECT_FALSE(nearly(drawn[a], drawn[b])) << roles[a].name << " and " << roles[b].name;
                }
            }
            const auto contrast = [&](qsizetype r) { return Contrast::ratio(drawn[r], background); };
            EXPECT_GT(contrast(0), contrast(1)) << "the text reads stronger than the secondary";
            EXPECT_GT(contrast(1), contrast(3)) << "the tertiary is fainter than the secondary";
            EXPECT_TRUE(sameHue(drawn[2], palette.color(QPalette::Highlight)))
                << "a link in the accent's hue: " << drawn[2].name().toStdString();
            if (palette == QApplication::palette()) {
                EXPECT_GE(Contrast::ratio(drawnOver(palette.color(QPalette::PlaceholderText), background),
                                          background),
                          least)
                    << "a placeholder";
            }
        }
        const QColor selected = palette.color(QPalette::Highlight);
        const QColor secondary =
            drawnOver(Style::color(Role::secondary, palette, QPalette::HighlightedText), selected);
        const QColor tertiary =
            drawnOver(Style::color(Role::tertiary, palette, QPalette::HighlightedText), selected);
        EXPECT_GE(Contrast::ratio(secondary, selected), least) << paletteName;
        EXPECT_GE(Contrast::ratio(tertiary, selected), least) << paletteName;
        EXPECT_GE(Contrast::ratio(secondary, selected), Contrast::ratio(tertiary, selected)) << paletteName;
    }
}

// The signal roles are three hues apart, and the surfaces the kit draws stand apart from the window: the
// sidebar's shade and the separator line, which is fainter than secondary text.
TEST(Style, SignalHuesAndSurfacesStandApart) {
    const QColor destructive = Style::color(Role::destructive, QPalette());
    const QColor warning = Style::color(Role::warning, QPalette());
    const QColor success = Style::color(Role::success, QPalette());
    EXPECT_FALSE(sameHue(destructive, warning));
    EXPECT_FALSE(sameHue(destructive, success));
    EXPECT_FALSE(sameHue(warning, success));

    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        const QColor window = palette.color(QPalette::Window);
        SCOPED_TRACE(window.name().toStdString());
        EXPECT_FALSE(nearly(drawnOver(Style::color(Role::sidebar, palette), window), window))
            << "the sidebar is a shade apart from the window";
        const QColor line = drawnOver(Style::color(Role::separator, palette), window);
        EXPECT_FALSE(nearly(line, window)) << "the separator is seen";
        EXPECT_LT(Contrast::ratio(line, window),
                  Contrast::ratio(drawnOver(Style::color(Role::secondary, palette), window), window))
            << "the separator is fainter than secondary text";
    }
}

// The separator, the text colour and the button looks that several screens share.
TEST(Style, LooksComeFromTheKit) {
    QWidget window;
    QFrame* line = Style::separatorLine(&window);
    EXPECT_EQ(line->frameShape(), QFrame::HLine);
    EXPECT_EQ(line->palette().color(QPalette::WindowText), Style::separator(&window));

    // A label paints with its window text and a text box with its text: the one setter colours both.
    Style::setTextColor(&window, Qt::red);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        EXPECT_EQ(window.palette().color(role), QColor(Qt::red)) << role;

    auto* link = new QPushButton(&window);
    Style::makeLink(link);
    EXPECT_TRUE(link->isFlat());
    EXPECT_EQ(link->palette().color(QPalette::ButtonText), window.palette().color(QPalette::Link));

    // The big add button: never the dialog's default, a plus beside its text, filled with the accent.
    QPushButton add(u"Создать журнал"_s);
    Style::makeBigAdd(&add);
    EXPECT_FALSE(add.autoDefault());
    EXPECT_FALSE(add.icon().isNull());
    const QImage addLook = shown(&add);
    const QColor fill = addLook.pixelColor(5, addLook.height() / 2); // in its padding, beside the plus
    EXPECT_TRUE(sameHue(fill, QApplication::palette().color(QPalette::Highlight)))
        << fill.name().toStdString();

    // A status's button stands in a row of tool buttons without making it taller; a screen's main action
    // is a size larger.
    QWidget row;
    auto* plain = new QToolButton(&row);
    plain->setText(u"Изменить"_s);
    plain->setIcon(QIcon(QPixmap(16, 16)));
    plain->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* status = new QToolButton(&row);
    status->setText(u"Оплачен"_s);
    Style::makeProminent(status, QColor(0x34, 0xC7, 0x59), Style::ButtonSize::compact);
    auto* main = new QToolButton(&row);
    main->setText(u"Оплачен"_s);
    Style::makeProminent(main, QColor(0x34, 0xC7, 0x59));
    auto* layout = new QHBoxLayout(&row);
    for (QWidget* button :
         {static_cast<QWidget*>(plain), static_cast<QWidget*>(status), static_cast<QWidget*>(main)})
        layout->addWidget(button);
    row.show();
    EXPECT_LE(status->sizeHint().height(), plain->sizeHint().height());
    EXPECT_GT(main->sizeHint().height(), status->sizeHint().height());
}
