#include "app/controls/choice_list.h"

#include <QKeyEvent>

ChoiceList::ChoiceList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, &ChoiceList::chosen);
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    const int rowBefore = currentRow();
    const bool selectedBefore = currentItem() && currentItem()->isSelected();
    QListWidget::keyPressEvent(event);
    const bool selectedAfter = currentItem() && currentItem()->isSelected();
    if (selectedAfter && (currentRow() != rowBefore || !selectedBefore))
        emit chosen();
}
