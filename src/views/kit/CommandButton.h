#pragma once

#include <QToolButton>

// A tool button showing a command, its default action: the command's symbol, short label (its icon text)
// and help. Its enabled state is its place's own: a toolbar may offer a command under a narrower rule than
// the command's (the export only for a journal with records), and a bar keeps showing the state of its
// rows while a context menu aims the command at others. A click triggers the command.
class CommandButton : public QToolButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

    // Whether the place offers the command now: the button is enabled exactly then.
    void setOffered(bool offered);

protected:
    void actionEvent(QActionEvent* event) override;

private:
    bool m_offered = true;
};
