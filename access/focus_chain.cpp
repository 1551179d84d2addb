#include "access/focus_chain.h"

#include "access/accessible_tree.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/frmMath.h"

#include <QApplication>
#include <QEvent>

FocusChain::FocusChain(frmMath& window)
    : QObject(&window)
    , m_window(window)
{
    QWidget* previous = nullptr;
    for (QWidget* control : AccessibleTree::tabStops(&window)) {
        if (qobject_cast<Label*>(control) || qobject_cast<Picture*>(control))
            control->setFocusPolicy(Qt::TabFocus);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    connect(qApp, &QApplication::focusChanged, this, &FocusChain::focusMoved);
    for (QWidget* speaker : { static_cast<QWidget*>(window.Picture1), static_cast<QWidget*>(window.Picture2) })
        speaker->installEventFilter(this);
}

QWidget* FocusChain::twinOf(QObject* control) const
{
    if (control == m_window.Picture1)
        return m_window.Picture2;
    if (control == m_window.Picture2)
        return m_window.Picture1;
    return nullptr;
}

bool FocusChain::eventFilter(QObject* watched, QEvent* event)
{
    // Hiding a focused control sends the focus on to the next one: the twin takes it, at once
    // when it shows already, or as soon as it shows.
    if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->hasFocus()) {
        m_handOver = twinOf(watched);
        if (m_handOver->isVisible()) {
            m_handOver->setFocus(Qt::OtherFocusReason);
            m_handOver = nullptr;
        }
    } else if (event->type() == QEvent::Show && watched == m_handOver) {
        m_handOver->setFocus(Qt::OtherFocusReason);
        m_handOver = nullptr;
    }
    return false;
}

void FocusChain::focusMoved(QWidget* old, QWidget* now)
{
    // Qt has already moved the focus on from a control that was hidden or disabled.
    if (!old || old->window() != &m_window || m_handOver || !AccessibleTree::find(old))
        return;
    if (old->isEnabled() && old->isVisibleTo(&m_window))
        return;
    QWidget* card = m_window.lblClickMe;
    if (now != card && AccessibleTree::canClick(card))
        card->setFocus(Qt::OtherFocusReason);
}
