#include "app/controls/choice_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

ChoiceList::ChoiceList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ChoiceList::choose(int row)
{
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    emit chosen();
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

void ChoiceList::mousePressEvent(QMouseEvent* event)
{
    // Nothing is selected yet: the choice is made when the button comes up.
    m_leftPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ChoiceList::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void ChoiceList::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool pressed = m_leftPressed;
    m_leftPressed = false;
    QListWidgetItem* entry = itemAt(event->position().toPoint());
    if (!pressed || !entry)
        return;
    choose(row(entry));
}

void ChoiceList::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_leftPressed = false;
    event->accept();
}
