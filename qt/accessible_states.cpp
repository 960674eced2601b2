#include "qt/accessible_states.h"

#include <QAccessible>
#include <QLineEdit>

#include <memory>

namespace tavrel {

namespace {

const char *const kReadOnly = "tavrelReadOnly", *const kInactive = "tavrelInactive";

// Qt's own interface of the box, with the two states as the core says.
// Qt 6.4 has no public line-edit interface to derive from: this one passes
// every question on to Qt's, which Qt's cache keeps for the box's life.
class BoxAccessible : public QAccessibleInterface
{
public:
    explicit BoxAccessible(QAccessibleInterface *qt) : m_qt(qt) {}

    QAccessible::State state() const override { return WithCoreStates(object(), m_qt->state()); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        const bool edits = type == QAccessible::EditableTextInterface;
        return edits && object()->property(kReadOnly).toBool() ? nullptr
                                                               : m_qt->interface_cast(type);
    }
    bool isValid() const override { return m_qt->isValid(); }
    QObject *object() const override { return m_qt->object(); }
    QWindow *window() const override { return m_qt->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_qt->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_qt->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_qt->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_qt->parent(); }
    QAccessibleInterface *child(int index) const override { return m_qt->child(index); }
    int childCount() const override { return m_qt->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_qt->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_qt->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_qt->setText(t, text); }
    QRect rect() const override { return m_qt->rect(); }
    QAccessible::Role role() const override { return m_qt->role(); }

private:
    QAccessibleInterface *m_qt;
};

// Sets a state and tells assistive tools when it changed.
void SetState(QWidget *control, const char *name, bool on)
{
    const bool changed = control->property(name).toBool() != on;
    control->setProperty(name, on);
    if (!changed)
        return;
    QAccessible::State states;
    if (name == kReadOnly)
        states.readOnly = states.editable = true;
    else
        states.disabled = true;
    QAccessibleStateChangeEvent event(control, states);
    QAccessible::updateAccessibility(&event);
}

} // namespace

Box::Box(QWidget *parent) : QLineEdit(parent)
{
    // Qt's interface, made while the box was built or now, stays in the cache
    // behind ours, which answers for the box from here on.
    QAccessible::registerAccessibleInterface(
        new BoxAccessible(QAccessible::queryAccessibleInterface(this)));
}

void SetAccessiblyReadOnly(QWidget *box, bool readOnly) { SetState(box, kReadOnly, readOnly); }

void SetAccessiblyInactive(QWidget *control, bool inactive)
{
    SetState(control, kInactive, inactive);
}

QAccessible::State WithCoreStates(const QObject *control, QAccessible::State state)
{
    state.readOnly = state.readOnly || control->property(kReadOnly).toBool();
    state.editable = state.editable && !state.readOnly;
    state.disabled = state.disabled || control->property(kInactive).toBool();
    return state;
}

} // namespace tavrel
