#include "views/dashboard/Card.h"

#include "views/kit/RoundedBox.h"
#include "views/kit/Style.h"

#include <QVBoxLayout>

Card::Card(int spacing, QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(18, 18, 18, 18);
    m_layout->setSpacing(spacing);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void Card::paintEvent(QPaintEvent*) {
    paintRoundedBox(this, 12, palette().color(QPalette::Base), Style::separator(this));
}
