#pragma once

#include <QHeaderView>

// A table's header whose titles end in "…" where their sections are too narrow for them, and name their
// whole text as help then; a title shown whole has no help. Qt's own header clips a title at its
// section's edge whatever its elide mode says.
class ElidedHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit ElidedHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // The width a section of a horizontal header needs to show its title whole: the title in the header's
    // font, the section's margins and, where the section shows the sort indicator, the indicator's room.
    int titleNeed(int logicalIndex) const;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    bool viewportEvent(QEvent* event) override;

private:
    // The title as drawn in its section: cut to the room the style leaves beside the sort indicator.
    QString shownTitle(QStyleOptionHeader option, int logicalIndex) const;
};
