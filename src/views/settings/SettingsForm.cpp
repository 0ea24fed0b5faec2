#include "views/settings/SettingsForm.h"

#include "views/kit/AppColorQt.h"
#include "views/kit/Style.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

DraftPane::DraftPane(SettingsState& state, QWidget* parent) : QWidget(parent), m_state(state) {}

ChoicePicker::ChoicePicker(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_choices.size())
            emit picked(m_choices[index].id);
    });
}

void ChoicePicker::present(const QList<SettingsChoices::Choice>& choices, const std::optional<QUuid>& bound) {
    const QSignalBlocker blocker(this);
    if (choices != m_choices) {
        m_choices = choices;
        clear();
        for (const SettingsChoices::Choice& choice : choices)
            addItem(choice.title);
    }
    int index = -1;
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i].id == bound) {
            index = int(i);
            break;
        }
    }
    setCurrentIndex(index);
}

std::optional<QUuid> ChoicePicker::boundID() const {
    const int index = currentIndex();
    return index >= 0 && index < m_choices.size() ? m_choices[index].id : std::nullopt;
}

void showText(QLineEdit* box, const QString& text) {
    if (box->hasFocus() || box->text() == text)
        return;
    const QSignalBlocker blocker(box);
    box->setText(text);
}

QLabel* noteLabel(const QString& text, bool callout, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    Style::setText(label, callout ? Style::TextStyle::callout : Style::TextStyle::caption);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Style::secondary(label));
    label->setPalette(p);
    return label;
}

QWidget* scrolled(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus);
    area->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    area->setWidget(content);
    return area;
}

QIcon colourDot(AppColor appColor) {
    // Drawn in the middle of a 16-point square, the size lists and pickers show icons at, so it is not
    // scaled up.
    QPixmap dot(QSize(16, 16) * 2);
    dot.setDevicePixelRatio(2);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color(appColor));
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    return QIcon(dot);
}
