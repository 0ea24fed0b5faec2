#include "PlaceholderSheet.h"

#include "Style.h"
#include "cells/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderSheet::PlaceholderSheet(const QString& title, const QString& subtitle, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);

    auto* heading = new QLabel(title, this);
    Style::setText(heading, Style::TextStyle::title2, true);
    layout->addWidget(heading);
    if (!subtitle.isEmpty()) {
        auto* sub = new QLabel(subtitle, this);
        Style::setText(sub, Style::TextStyle::body);
        QPalette p = sub->palette();
        p.setColor(QPalette::WindowText, Style::secondary(sub));
        sub->setPalette(p);
        sub->setWordWrap(true);
        layout->addWidget(sub);
    }
    auto* note = new QLabel(
        QStringLiteral("Этот экран ещё не готов: в этой версии здесь пока ничего нельзя изменить."), this);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addSpacing(8);
    layout->addWidget(note);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeSheet"));
    close->setAutoDefault(false);
    close->setDefault(true);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, 220);
}
