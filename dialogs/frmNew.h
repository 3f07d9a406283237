#pragma once
// The new-design wizard: length and beam sliders, one or two cockpits by
// tab, the paddler and cockpit boxes, a progress bar, OK and Cancel.

#include "dialogs/mainwindowops.h"

#include <QWidget>

#include <optional>

namespace model {
class MessageBox;
struct Design;
struct FloatError;
}

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

    // The windows OK and Cancel work with, and where messages go.
    void connectTo(MainWindowOps* main, class frmInfo* info, model::MessageBox* messages);
    // The folder that holds the template designs; the program's own by default.
    QString templateFolder;

    void Command1_Click();  // OK
    void Command2_Click();  // Cancel
    // The template file the selected tab and options name.
    QString templateName() const;

signals:
    void okClicked();
    void cancelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SliderLength_Change(int value);
    std::optional<std::string> checkBoxes() const;
    std::optional<model::Design> readTemplate();
    bool readInputs();
    void copyInputs(model::Design& design);
    // Builds the new design in place of the open one; raises when it cannot.
    void buildFromTemplate(model::Design fresh);
    void keepOpenDesign(const model::FloatError& e);
    void showNewDesign();
    void progress(int value);
    void tell(const std::string& message);

    struct Inputs {
        double length = 0, beam = 0;
        double weight1 = 0, weight2 = 0, distance = 0;
        double aft1 = 0, length1 = 0, width1 = 0;
        double aft2 = 0, length2 = 0, width2 = 0;
    } inputs_;
    MainWindowOps* main_ = nullptr;
    class frmInfo* info_ = nullptr;
    model::MessageBox* messages_ = nullptr;
    void SliderWidth_Change(int value);
    void showLengthCaption(int inches);
    void showBeamCaption(int inches);
    void followTypedSize(QLineEdit* box, QSlider* slider, void (frmNew::*showCaption)(int));
    QWidget* buildSingleTab();
    QWidget* buildDoubleTab();
};

}  // namespace dialogs
