#pragma once

class QAccessibleInterface;
class QWidget;

// The two kinds of list as assistive technology sees them: the timer list and the drop-down lists
// of numbers, each with its entries as items that can be chosen. Choosing an item through
// assistive technology is the child's own choice: it runs the list's handler once, as a click on
// the entry does. (Qt's own list items only select the entry, which runs no handler.)
namespace AccessibleLists {

// The interface of the timer list, a ChoiceList.
QAccessibleInterface* timerList(QWidget* list);
// The interface of a range list, a RangeList: named by what it chooses, its entry as its text.
QAccessibleInterface* rangeList(QWidget* list);

} // namespace AccessibleLists
