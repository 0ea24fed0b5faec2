#include "views/kit/Icons.h"

#include "views/kit/DrawnSymbols.h"
#include "views/kit/Symbols.h"

#include <QDir>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

// A symbol's icon, painted at whatever size is asked for by Symbols::symbol(): in a fixed tint, or in the
// application palette's text colour for the icon's mode.
class SymbolIconEngine final : public QIconEngine {
public:
    SymbolIconEngine(QString symbol, std::optional<QColor> tint)
        : m_symbol(std::move(symbol)), m_tint(tint) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side,
                           side);
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(square, Symbols::symbol(m_symbol, tint(mode), side, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // QIcon asks for the size in device pixels and sets the pixmap's ratio itself.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal) override {
        return Symbols::symbol(m_symbol, tint(mode), std::min(size.width(), size.height()), 1.0);
    }
    QIconEngine* clone() const override { return new SymbolIconEngine(m_symbol, m_tint); }
    QString key() const override { return u"Symbol"_s; }
    QString iconName() override { return m_symbol; }

private:
    QColor tint(QIcon::Mode mode) const {
        const QPalette palette = QGuiApplication::palette();
        if (mode == QIcon::Disabled) {
            if (!m_tint)
                return palette.color(QPalette::Disabled, QPalette::WindowText);
            QColor faded = *m_tint;
            faded.setAlphaF(0.4);
            return faded;
        }
        if (m_tint)
            return *m_tint;
        return palette.color(mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::WindowText);
    }

    QString m_symbol;
    std::optional<QColor> m_tint;
};

bool known(const QString& symbol) {
    return DrawnSymbols::draws(symbol) || !Icons::themeName(symbol).isEmpty();
}

} // namespace

void Icons::install() {
    QStringList paths = QIcon::themeSearchPaths();
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = u"/usr/local/share:/usr/share"_s;
    for (const QString& data : dataDirs.split(u':', Qt::SkipEmptyParts)) {
        const QString icons = QDir(data).filePath(u"icons"_s);
        if (!paths.contains(icons) && QDir(icons).exists())
            paths.append(icons);
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(u"breeze"_s);
    // Without a theme name no theme is searched at all, not even the fallback; the freedesktop base
    // theme leads to it.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(u"hicolor"_s);
}

const QHash<QString, QString>& Icons::table() {
    static const QHash<QString, QString> names{
        // journal icons: the templates' and the settings sheet's choices
        {u"cart"_s, u"amarok_cart_view"_s},
        {u"cart.fill"_s, u"amarok_cart_view"_s},
        {u"banknote"_s, u"view-financial-account-cash"_s},
        {u"banknote.fill"_s, u"view-financial-account-cash"_s},
        // Breeze finds "system-users" among its full-colour icons first; this one is drawn in one colour
        // like the other journal symbols, so it takes the accent tint.
        {u"person.2"_s, u"user-group-new"_s},
        {u"person.2.fill"_s, u"user-group-new"_s},
        {u"calendar.badge.clock"_s, u"appointment-new"_s},
        {u"checklist"_s, u"view-task"_s},
        {u"megaphone"_s, u"notifications"_s},
        {u"briefcase"_s, u"wallet-closed"_s},
        {u"building.2"_s, u"go-home"_s},
        {u"storefront"_s, u"view-bank"_s},
        {u"creditcard"_s, u"view-financial-account-credit-card"_s},
        {u"creditcard.fill"_s, u"view-financial-account-credit-card"_s},
        {u"chart.pie"_s, u"office-chart-pie"_s},
        {u"chart.bar"_s, u"office-chart-bar"_s},
        {u"chart.bar.fill"_s, u"office-chart-bar"_s},
        {u"chart.line.uptrend.xyaxis"_s, u"office-chart-line"_s},
        {u"doc.text"_s, u"text-x-generic"_s},
        {u"folder"_s, u"folder"_s},
        {u"folder.fill"_s, u"folder"_s},
        {u"tray.full"_s, u"mail-folder-inbox"_s},
        {u"tag"_s, u"tag"_s},
        {u"gift"_s, u"view-calendar-birthday"_s},
        {u"hammer"_s, u"run-build"_s},
        {u"wrench.and.screwdriver"_s, u"tools"_s},
        {u"scissors"_s, u"edit-cut"_s},
        {u"paintbrush"_s, u"draw-brush"_s},
        {u"cup.and.saucer"_s, u"food"_s},
        {u"car"_s, u"car"_s},
        {u"airplane"_s, u"network-flightmode-on"_s},
        {u"graduationcap"_s, u"view-pim-journal"_s},
        {u"heart"_s, u"love"_s},
        {u"heart.fill"_s, u"love"_s},
        {u"star"_s, u"favorite"_s},
        {u"star.fill"_s, u"favorite"_s},
        {u"flag"_s, u"flag"_s},
        {u"flag.fill"_s, u"flag"_s},
        {u"tshirt"_s, u"view-catalog"_s},
        {u"tshirt.fill"_s, u"view-catalog"_s},
        {u"calendar"_s, u"view-calendar"_s},
        {u"clock.fill"_s, u"clock"_s},
        // buttons and labels
        {u"plus"_s, u"list-add"_s},
        {u"plus.circle"_s, u"list-add"_s},
        {u"plus.circle.fill"_s, u"list-add"_s},
        {u"minus"_s, u"list-remove"_s},
        {u"minus.circle"_s, u"list-remove"_s},
        {u"minus.circle.fill"_s, u"list-remove"_s},
        {u"square.and.arrow.down"_s, u"document-import"_s},
        {u"square.and.arrow.up"_s, u"document-export"_s},
        {u"slider.horizontal.3"_s, u"configure"_s},
        {u"square.stack.3d.up"_s, u"view-list-details"_s},
        {u"square.stack.3d.up.fill"_s, u"view-list-details"_s},
        {u"list.bullet.rectangle"_s, u"view-list-details"_s},
        {u"list.bullet"_s, u"format-list-unordered"_s},
        {u"list.number"_s, u"format-list-ordered"_s},
        {u"line.3.horizontal.decrease.circle"_s, u"view-filter"_s},
        {u"exclamationmark.triangle"_s, u"emblem-warning"_s},
        {u"exclamationmark.triangle.fill"_s, u"emblem-warning"_s},
        {u"doc.on.doc"_s, u"edit-copy"_s},
        {u"doc.on.clipboard"_s, u"edit-paste"_s},
        {u"plus.square.on.square"_s, u"edit-duplicate"_s},
        {u"arrow.up.right.square"_s, u"globe"_s},
        {u"arrow.up.right"_s, u"internet-web-browser"_s},
        {u"link"_s, u"insert-link"_s},
        {u"xmark.circle.fill"_s, u"edit-clear"_s},
        {u"checkmark"_s, u"checkmark"_s},
        {u"checkmark.circle.fill"_s, u"checkmark"_s},
        {u"checkmark.seal.fill"_s, u"approved"_s},
        {u"circle.fill"_s, u"draw-circle"_s},
        {u"magnifyingglass"_s, u"edit-find"_s},
        {u"trash"_s, u"edit-delete"_s},
        {u"pencil"_s, u"document-edit"_s},
        {u"pencil.and.list.clipboard"_s, u"view-task"_s},
        {u"textformat"_s, u"draw-text"_s},
        {u"text.alignleft"_s, u"format-justify-left"_s},
        {u"square.grid.2x2.fill"_s, u"view-grid"_s},
        {u"person.badge.plus"_s, u"list-add-user"_s},
        {u"paperplane.fill"_s, u"mail-send"_s},
        {u"eye.fill"_s, u"visibility"_s},
        // metric symbols
        {u"sum"_s, u"gnumeric-autosum"_s},
        {u"percent"_s, u"percent"_s},
        {u"equal"_s, u"document-equal"_s},
        {u"rublesign.circle.fill"_s, u"help-donate-rub"_s},
        {u"arrow.down.right"_s, u"arrow-down"_s},
        {u"arrow.up.circle.fill"_s, u"arrow-up"_s},
        {u"arrow.down.circle.fill"_s, u"arrow-down"_s},
        {u"arrow.down.to.line"_s, u"download"_s},
        {u"arrow.uturn.backward.circle.fill"_s, u"edit-undo"_s},
    };
    return names;
}

QString Icons::themeName(const QString& symbol) {
    return table().value(symbol);
}

QIcon Icons::icon(const QString& symbol) {
    return known(symbol) ? QIcon(new SymbolIconEngine(symbol, std::nullopt)) : QIcon();
}

QIcon Icons::icon(const QString& symbol, const QColor& tint) {
    return known(symbol) ? QIcon(new SymbolIconEngine(symbol, tint)) : QIcon();
}
