#pragma once
// The about box: a borderless picture with the program's name and version,
// centred on the screen when first shown; a click, a double-click or losing
// the focus hides it, and it comes back where it was.

#include <QWidget>

namespace platform {
class PictureBox;
}

namespace mainwindow {

class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    platform::PictureBox* picture = nullptr;

    // Shows the box modeless; the first showing loads it.
    void showModeless();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void paintPicture();
    bool loaded_ = false;
};

}  // namespace mainwindow
