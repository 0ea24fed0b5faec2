#pragma once

class QWidget;

// A scroll area around a form page: no frame, no own focus, only vertical scrolling.
QWidget* pageScroll(QWidget* content, QWidget* parent);
