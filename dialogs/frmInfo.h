#pragma once
// The design-data window: the design's numbers on five tabs, the boxes
// whose "Set" buttons change the design, and the marker and automatic-mode
// switches. Controls carry their given names as object names.

#include "dialogs/mainwindowops.h"

#include <QHash>
#include <QWidget>

#include <functional>

namespace model {
class MessageBox;
}

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

    // The main window whose operations the buttons run, and where messages go.
    void connectTo(MainWindowOps* main, model::MessageBox* messages);

    // Refills the editable boxes from the design (each activation does).
    void Form_Activate();
    // The same, keeping the boxes as they are when the design cannot be read.
    void refillBoxes();
    // The waterline search for the target displacement.
    void detect();

signals:
    // The window became the active window.
    void activated();
    // The window is closing: by its frame's close box, Alt+F4 or close().
    void closing();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildTop();
    QWidget* buildTab(const struct InfoRow* rows, int count);
    void connectHandlers();

    double boxValue(const QString& name) const;
    void rebuild(unsigned steps);
    // Runs a change; a value too large to use is refused and the design put back.
    void applyChange(const std::function<void()>& change);
    void applyValue(const QString& box, const std::function<void(double)>& store, unsigned steps,
                    bool marksChanged = true);

    void Command1_Click();
    void Command5_Click();
    void Command10_Click();
    void cockpitLength_Click(int cockpit, const QString& box);
    void cockpitWidth_Click(int cockpit, const QString& box);
    void markerSwitch_Click();

    QWidget* textControl(const QString& name) const;
    mutable QHash<QString, QWidget*> textControls_;
    mutable QHash<QString, QCheckBox*> checkBoxes_;
    MainWindowOps* main_ = nullptr;
    model::MessageBox* messages_ = nullptr;
    bool detecting_ = false;
};

}  // namespace dialogs
