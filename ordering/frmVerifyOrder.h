#pragma once
// The verify window: every value of the order read back, the posting page
// in the embedded browser (from memory), and the watch that notices the page's post
// reaching the order script. Controls carry their given names.

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace model {
class MessageBox;
}
namespace platform {
class WebBrowser;
}

namespace ordering {

class frmPurchase;

class frmVerifyOrder : public QWidget {
    Q_OBJECT
public:
    frmVerifyOrder(frmPurchase& purchase, model::MessageBox& messages, QWidget* parent = nullptr);
    ~frmVerifyOrder() override;
    frmVerifyOrder(const frmVerifyOrder&) = delete;
    frmVerifyOrder& operator=(const frmVerifyOrder&) = delete;

    // Shows the order: loads the window the first time, else activates it.
    void showOrder();

    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();
    void Command1_Click();  // Back
    void cmdCancel_Click();

    QString boxText(const char* name) const;

    QLabel* lblPrice = nullptr;
    QLabel* lblTax = nullptr;
    QLabel* lblShipping = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* LblPO = nullptr;
    QLineEdit* txtPurchaseOrderNumber = nullptr;
    QLineEdit* Text1 = nullptr;
    platform::WebBrowser* WebBrowser1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void fillBoxes();
    // False when there is no page to load.
    bool loadPostingPage();
    // The post failed: the page loaded again for another try, then
    // `message` (the server's refusal, its absence, or a post cut off before
    // any answer) said in our own words.
    void postRefused(const char* message);
    void reportRefusal();
    // `message` with the contact address.
    void say(const char* message);
    // The page's own process ended while it was loading `loading` (empty: while idle).
    void pageEnded(const QString& loading);
    void endWatch();
    // The wait cursor while a post is out, restored however it ends.
    void showPosting(bool posting);

    frmPurchase& purchase_;
    bool loaded_ = false;
    bool refusalPending_ = false;
    bool pageRestarted_ = false;  // set again after its process ended, not posted from since
    bool notShownSaid_ = false;   // that the posting page could not be shown
    bool posting_ = false;        // a post is out: the wait cursor shows
    const char* refusal_ = nullptr;  // the failure's message, without the contact address
    model::MessageBox& messages_;
};

}  // namespace ordering
