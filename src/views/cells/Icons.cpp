#include "Icons.h"

#include <QDir>

void Icons::install() {
    QStringList paths = QIcon::themeSearchPaths();
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& data : dataDirs.split(u':', Qt::SkipEmptyParts)) {
        const QString icons = QDir(data).filePath(QStringLiteral("icons"));
        if (!paths.contains(icons) && QDir(icons).exists())
            paths.append(icons);
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    // Without a theme name no theme is searched at all, not even the fallback; the freedesktop base
    // theme leads to it.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
}

const QHash<QString, QString>& Icons::table() {
    static const QHash<QString, QString> names{
        // journal icons: the templates' and the settings sheet's choices
        {QStringLiteral("cart"), QStringLiteral("amarok_cart_view")},
        {QStringLiteral("cart.fill"), QStringLiteral("amarok_cart_view")},
        {QStringLiteral("banknote"), QStringLiteral("view-financial-account-cash")},
        {QStringLiteral("banknote.fill"), QStringLiteral("view-financial-account-cash")},
        // Breeze finds "system-users" among its full-colour icons first; this one is drawn in one colour
        // like the other journal symbols, so it takes the accent tint.
        {QStringLiteral("person.2"), QStringLiteral("user-group-new")},
        {QStringLiteral("person.2.fill"), QStringLiteral("user-group-new")},
        {QStringLiteral("shippingbox"), QStringLiteral("package-x-generic")},
        {QStringLiteral("shippingbox.fill"), QStringLiteral("package-x-generic")},
        {QStringLiteral("calendar.badge.clock"), QStringLiteral("appointment-new")},
        {QStringLiteral("checklist"), QStringLiteral("view-task")},
        {QStringLiteral("megaphone"), QStringLiteral("notifications")},
        {QStringLiteral("briefcase"), QStringLiteral("wallet-closed")},
        {QStringLiteral("building.2"), QStringLiteral("go-home")},
        {QStringLiteral("storefront"), QStringLiteral("view-bank")},
        {QStringLiteral("creditcard"), QStringLiteral("view-financial-account-credit-card")},
        {QStringLiteral("creditcard.fill"), QStringLiteral("view-financial-account-credit-card")},
        {QStringLiteral("chart.pie"), QStringLiteral("office-chart-pie")},
        {QStringLiteral("chart.bar"), QStringLiteral("office-chart-bar")},
        {QStringLiteral("chart.bar.fill"), QStringLiteral("office-chart-bar")},
        {QStringLiteral("chart.line.uptrend.xyaxis"), QStringLiteral("office-chart-line")},
        {QStringLiteral("doc.text"), QStringLiteral("text-x-generic")},
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("folder.fill"), QStringLiteral("folder")},
        {QStringLiteral("tray.full"), QStringLiteral("mail-folder-inbox")},
        {QStringLiteral("tag"), QStringLiteral("tag")},
        {QStringLiteral("gift"), QStringLiteral("view-calendar-birthday")},
        {QStringLiteral("hammer"), QStringLiteral("run-build")},
        {QStringLiteral("wrench.and.screwdriver"), QStringLiteral("tools")},
        {QStringLiteral("scissors"), QStringLiteral("edit-cut")},
        {QStringLiteral("paintbrush"), QStringLiteral("draw-brush")},
        {QStringLiteral("cup.and.saucer"), QStringLiteral("food")},
        {QStringLiteral("car"), QStringLiteral("car")},
        {QStringLiteral("airplane"), QStringLiteral("network-flightmode-on")},
        {QStringLiteral("graduationcap"), QStringLiteral("view-pim-journal")},
        {QStringLiteral("heart"), QStringLiteral("love")},
        {QStringLiteral("heart.fill"), QStringLiteral("love")},
        {QStringLiteral("star"), QStringLiteral("favorite")},
        {QStringLiteral("star.fill"), QStringLiteral("favorite")},
        {QStringLiteral("flag"), QStringLiteral("flag")},
        {QStringLiteral("flag.fill"), QStringLiteral("flag")},
        {QStringLiteral("tshirt"), QStringLiteral("view-catalog")},
        {QStringLiteral("tshirt.fill"), QStringLiteral("view-catalog")},
        {QStringLiteral("calendar"), QStringLiteral("view-calendar")},
        {QStringLiteral("clock.fill"), QStringLiteral("clock")},
        // buttons and labels
        {QStringLiteral("plus"), QStringLiteral("list-add")},
        {QStringLiteral("plus.circle"), QStringLiteral("list-add")},
        {QStringLiteral("plus.circle.fill"), QStringLiteral("list-add")},
        {QStringLiteral("minus"), QStringLiteral("list-remove")},
        {QStringLiteral("minus.circle"), QStringLiteral("list-remove")},
        {QStringLiteral("minus.circle.fill"), QStringLiteral("list-remove")},
        {QStringLiteral("square.and.arrow.down"), QStringLiteral("document-import")},
        {QStringLiteral("square.and.arrow.up"), QStringLiteral("document-export")},
        {QStringLiteral("slider.horizontal.3"), QStringLiteral("configure")},
        {QStringLiteral("square.stack.3d.up"), QStringLiteral("view-list-details")},
        {QStringLiteral("square.stack.3d.up.fill"), QStringLiteral("view-list-details")},
        {QStringLiteral("list.bullet.rectangle"), QStringLiteral("view-list-details")},
        {QStringLiteral("list.bullet"), QStringLiteral("view-list-text")},
        {QStringLiteral("list.number"), QStringLiteral("format-list-ordered")},
        {QStringLiteral("line.3.horizontal.decrease.circle"), QStringLiteral("view-filter")},
        {QStringLiteral("exclamationmark.triangle"), QStringLiteral("emblem-warning")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("emblem-warning")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("doc.on.clipboard"), QStringLiteral("edit-paste")},
        {QStringLiteral("plus.square.on.square"), QStringLiteral("edit-duplicate")},
        {QStringLiteral("arrow.up.right.square"), QStringLiteral("globe")},
        {QStringLiteral("arrow.up.right"), QStringLiteral("internet-web-browser")},
        {QStringLiteral("arrow.up.forward"), QStringLiteral("internet-web-browser")},
        {QStringLiteral("link"), QStringLiteral("insert-link")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("edit-clear")},
        {QStringLiteral("checkmark"), QStringLiteral("checkmark")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("checkmark")},
        {QStringLiteral("checkmark.seal.fill"), QStringLiteral("approved")},
        {QStringLiteral("checkmark.square"), QStringLiteral("checkbox")},
        {QStringLiteral("checkmark.square.fill"), QStringLiteral("checkbox")},
        {QStringLiteral("square"), QStringLiteral("draw-rectangle")},
        {QStringLiteral("circle.fill"), QStringLiteral("draw-circle")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("trash"), QStringLiteral("edit-delete")},
        {QStringLiteral("pencil"), QStringLiteral("document-edit")},
        {QStringLiteral("pencil.and.list.clipboard"), QStringLiteral("view-task")},
        {QStringLiteral("textformat"), QStringLiteral("draw-text")},
        {QStringLiteral("text.alignleft"), QStringLiteral("format-justify-left")},
        {QStringLiteral("square.grid.2x2.fill"), QStringLiteral("view-grid")},
        {QStringLiteral("person.badge.plus"), QStringLiteral("list-add-user")},
        {QStringLiteral("paperplane.fill"), QStringLiteral("mail-send")},
        {QStringLiteral("eye.fill"), QStringLiteral("visibility")},
        // metric symbols
        {QStringLiteral("number"), QStringLiteral("format-list-ordered")},
        {QStringLiteral("sum"), QStringLiteral("gnumeric-autosum")},
        {QStringLiteral("percent"), QStringLiteral("percent")},
        {QStringLiteral("equal"), QStringLiteral("document-equal")},
        {QStringLiteral("rublesign.circle.fill"), QStringLiteral("view-financial-account-cash")},
        {QStringLiteral("arrow.down.right"), QStringLiteral("arrow-down")},
        {QStringLiteral("arrow.up.circle.fill"), QStringLiteral("arrow-up")},
        {QStringLiteral("arrow.down.circle.fill"), QStringLiteral("arrow-down")},
        {QStringLiteral("arrow.down.to.line"), QStringLiteral("download")},
        {QStringLiteral("arrow.uturn.backward.circle.fill"), QStringLiteral("edit-undo")},
    };
    return names;
}

QString Icons::themeName(const QString& symbol) {
    return table().value(symbol);
}

QIcon Icons::icon(const QString& symbol) {
    const QString name = themeName(symbol);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}
