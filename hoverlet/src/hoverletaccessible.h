#pragma once

#include <QAccessibleWidget>

namespace hoverlet {

class Hoverlet;

// What screen readers see of a Hoverlet: a link named by its caption, described by its tool-tip
// and address, whose one action does what a click does. The caption label inside is the link's
// name, not a child of its own, and the link offers no focus: it never takes it.
class HoverletAccessible : public QAccessibleWidget
{
public:
    explicit HoverletAccessible(Hoverlet *link);

    // Makes every Hoverlet of the process answer with this interface; run by the first control.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QStringList actionNames() const override;
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Hoverlet *link() const;
};

} // namespace hoverlet
