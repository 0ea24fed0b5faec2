#include "views/shell/WelcomeView.h"

#include "app/AppRouter.h"
#include "app/shell/ShellRules.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

WelcomeView::WelcomeView(AppRouter& router, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(16);
    layout->addStretch(1);

    auto* symbol = new QLabel(this);
    symbol->setObjectName(u"welcomeSymbol"_s);
    symbol->setPixmap(
        Symbols::symbol(u"square.stack.3d.up"_s, Style::secondary(symbol), 60, devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignHCenter);
    layout->addWidget(symbol);

    auto* title = new QLabel(ShellRules::productName, this);
    Style::setText(title, Style::TextStyle::largeTitle, true);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);

    auto* text = noteLabel(u"Учёт для бизнеса: продажи, доходы и расходы, клиенты и сделки, склад, "
                           u"услуги, задачи — или свой журнал с нужными полями."_s,
                           Style::TextStyle::body, this);
    text->setAlignment(Qt::AlignHCenter);
    // A fixed width lets the layout give the wrapped text the height of all its lines.
    text->setFixedWidth(540);
    text->setMinimumHeight(text->heightForWidth(540));
    layout->addWidget(text, 0, Qt::AlignHCenter);

    auto* create = new QPushButton(u"Создать журнал"_s, this);
    create->setObjectName(u"createJournal"_s);
    Style::makeBigAdd(create);
    layout->addSpacing(4);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    connect(create, &QPushButton::clicked, this, [&router] { router.requestNewJournal(); });

    layout->addStretch(1);
}
