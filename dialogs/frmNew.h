#pragma once
// The new-design wizard: length and beam sliders, one or two cockpits by
// tab, the paddler and cockpit boxes, a progress bar, OK and Cancel.

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace dialogs {

class frmNew : public QWidget {
    Q_OBJECT
public:
    explicit frmNew(QWidget* parent = nullptr);

    QSlider* SliderLength = nullptr;
    QSlider* SliderWidth = nullptr;
    QLineEdit* txtLength = nullptr;
    QLineEdit* txtBeam = nullptr;
    QLabel* LabelFeet = nullptr;
    QLabel* lblBeam = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QRadioButton* opt4hullpan = nullptr;
    QRadioButton* opt6hullpan = nullptr;
    QRadioButton* opt8hullpan = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Command1 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // Cancel

    QLineEdit* textBox(const QString& name) const;

signals:
    void okClicked();
    void cancelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SliderLength_Change(int value);
    void SliderWidth_Change(int value);
    QWidget* buildSingleTab();
    QWidget* buildDoubleTab();
};

}  // namespace dialogs
