#pragma once
// The design-data window: the design's numbers on five tabs, the boxes
// whose "Set" buttons change the design, and the marker and automatic-mode
// switches. Controls carry their given names as object names.

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace dialogs {

class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent = nullptr);

    // Text of a read-out label or an editable box, by control name.
    void setControlText(const QString& name, const QString& text);
    QString controlText(const QString& name) const;

    QLineEdit* textBox(const QString& name) const;
    QLabel* label(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QCheckBox* checkBox(const QString& name) const;
    // A check box's value is 1 when checked.
    bool isChecked(const QString& name) const;

    QTabWidget* SSTab1 = nullptr;

signals:
    // The window became the active window.
    void activated();

protected:
    bool event(QEvent* e) override;

private:
    void buildTop();
    QWidget* buildTab(const struct InfoRow* rows, int count);
};

}  // namespace dialogs
