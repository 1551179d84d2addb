#pragma once

#include <QListWidget>

// A list box that reports each entry the user chooses, by mouse or by keyboard, also when
// it is the entry already selected. Selections the program makes are not reported.
class ChoiceList : public QListWidget
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent);

signals:
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
