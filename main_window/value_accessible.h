#pragma once

#include <QAccessibleWidget>

// A value of the status column for a screen reader: a label whose text is its caption and value,
// "Очки: 250", the name it already carries. Orca 48 reads a status bar's labels by their text and
// passes over one that has a name alone, as Qt's own labels have.
class ValueAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ValueAccessible(QWidget *label);

    void *interface_cast(QAccessible::InterfaceType type) override;

    // Read-only text with no selection and no caret.
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    void selection(int, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
};
