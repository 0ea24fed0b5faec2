#include "views/kit/JournalTabView.h"

#include "views/kit/TabKeys.h"

JournalTabView::JournalTabView(QWidget* parent) : QWidget(parent) {
    new TabKeys(this);
}
