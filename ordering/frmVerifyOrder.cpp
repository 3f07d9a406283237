#include "ordering/frmVerifyOrder.h"

#include "model/document/messagebox.h"
#include "ordering/frmPurchase.h"
#include "ordering/postingpage.h"
#include "ordering/purchaselists.h"
#include "ordering/serveraddress.h"
#include "platform/doevents.h"
#include "platform/formactivation.h"
#include "platform/webbrowser.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace ordering {

namespace {

constexpr const char* kCaption = "Quillock - Verify Order Info";
constexpr int kWatchIntervalMs = 1;
constexpr const char* kThanks = "Thank you for your order. Please check your email for confirmation";
constexpr const char* kPostRefused =
    "The order server did not accept the order. Your details are kept: press Place Order to try again, or Back to "
    "change them. If it happens again, please contact us at ";
constexpr const char* kServerUnreached =
    "The order server could not be reached. Your details are kept: check your connection and press Place Order to "
    "try again later, or Back to change them. If it happens again, please contact us at ";
constexpr const char* kPageStopped =
    "The order page stopped before the order server answered, so the order may already have reached us. Your "
    "details are kept: press Place Order to send the same order again (it is kept only once), or Back to change "
    "them. To learn whether it arrived, please contact us at ";
constexpr const char* kPageNotShown =
    "The order page could not be shown. Your details are kept: press Back, then Continue to try again. If it "
    "happens again, please contact us at ";
constexpr const char* kFreeShipping = "Free Shipping!";
constexpr const char* kDollar = "$";
constexpr int kBrowserHeight = 260;

QString qs(const std::string& s) { return QString::fromStdString(s); }

const char* failureMessage(platform::WebBrowser::Failure failure)
{
    using Failure = platform::WebBrowser::Failure;
    if (failure == Failure::ErrorAnswer) return kPostRefused;
    return failure == Failure::Unreached ? kServerUnreached : kPageStopped;
}

bool isScript(const QString& url)
{
    const std::optional<std::string> server = orderServerAddress();
    return server && isOrderScript(url.toStdString(), *server);
}

QLineEdit* namedBox(const char* name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

template <std::size_t N>
QGroupBox* frame(const char* name, const char* caption, const std::array<const char*, N>& boxes,
                 const std::array<std::string_view, N>& labels)
{
    auto* group = new QGroupBox(caption);
    group->setObjectName(name);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < N; ++i) {
        grid->addWidget(new QLabel(QString::fromUtf8(labels[i].data(), qsizetype(labels[i].size()))), int(i), 0);
        grid->addWidget(namedBox(boxes[i]), int(i), 1);
    }
    return group;
}

// The card frame: the expiry month and year share a row, as in the order form.
QGroupBox* cardFrame()
{
    auto* group = new QGroupBox("Credit Card Info");
    group->setObjectName("FrameCCInfo");
    auto* grid = new QGridLayout(group);
    const int rowOfBox[] = {0, 1, 2, 2, 3};
    for (int i = 0; i < int(kCardLabels.size()); ++i)
        grid->addWidget(new QLabel(QString::fromUtf8(kCardLabels[i].data(), qsizetype(kCardLabels[i].size()))), i, 0);
    for (std::size_t i = 0; i < kCardBoxes.size(); ++i) {
        const bool year = i == 3;
        grid->addWidget(namedBox(kCardBoxes[i]), rowOfBox[i], year ? 2 : 1, 1, year || i == 2 ? 1 : 2);
    }
    return group;
}

QLabel* label(const char* name, const char* caption = "")
{
    auto* l = new QLabel(caption);
    l->setObjectName(name);
    // The served and typed texts as they stand: markup in them is not ours.
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

frmVerifyOrder::frmVerifyOrder(frmPurchase& purchase, model::MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), purchase_(purchase), messages_(messages)
{
    setObjectName("frmVerifyOrder");
    setWindowTitle(kCaption);
    build();
    new platform::FormActivation(this, [this] { Form_Activate(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(WebBrowser1, &platform::WebBrowser::started, this, [this](const QString& url) {
        if (isScript(url)) showPosting(true);
    });
    connect(WebBrowser1, &platform::WebBrowser::loaded, this,
            [this](const QString& url, bool ok, platform::WebBrowser::Failure failure) {
                showPosting(false);
                // A post ended: the page was there to use.
                if (isScript(url)) pageRestarted_ = notShownSaid_ = false;
                if (std::exchange(refusalPending_, false)) return reportRefusal();
                if (!ok && isScript(url)) postRefused(failureMessage(failure));
            });
    connect(WebBrowser1, &platform::WebBrowser::ended, this, [this](const QString& loading) {
        showPosting(false);
        pageEnded(loading);
    });
}

frmVerifyOrder::~frmVerifyOrder() { showPosting(false); }

void frmVerifyOrder::showPosting(bool posting)
{
    // The application's cursor, as the fetches show theirs: the page's own area shows it too.
    if (std::exchange(posting_, posting) == posting) return;
    if (posting) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else QGuiApplication::restoreOverrideCursor();
}

void frmVerifyOrder::build()
{
    // The billing frame shows the card holder's address with the shipping labels.
    auto* shipping = frame("FrameShippingInfo", "Customer Info", kShippingBoxes, kShippingLabels);
    auto* billing = frame("FrameBilling", "Billing Info", kCardHolderBoxes, kShippingLabels);
    auto* card = cardFrame();

    auto* amounts = new QGridLayout;
    txtPurchaseOrderNumber = new QLineEdit;
    txtPurchaseOrderNumber->setObjectName("txtPurchaseOrderNumber");
    LblPO = label("LblPO");
    lblPrice = label("lblPrice");
    lblTax = label("lblTax");
    lblShipping = label("lblShipping");
    lblTotal = label("lblTotal");
    const std::pair<const char*, QWidget*> rows[] = {{"Purchase Order #", txtPurchaseOrderNumber},
                                                     {"Price", lblPrice},
                                                     {"State SalesTax", lblTax},
                                                     {"Shipping", lblShipping},
                                                     {"Total", lblTotal}};
    for (int i = 0; i < int(std::size(rows)); ++i) {
        amounts->addWidget(new QLabel(rows[i].first), i, 0);
        amounts->addWidget(rows[i].second, i, 1);
    }
    amounts->addWidget(LblPO, 0, 2);

    WebBrowser1 = new platform::WebBrowser;
    WebBrowser1->setObjectName("WebBrowser1");
    WebBrowser1->setMinimumHeight(kBrowserHeight);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->hide();
    Command1 = new QPushButton("Back");
    Command1->setObjectName("Command1");
    cmdCancel = new QPushButton("Cancel");
    cmdCancel->setObjectName("cmdCancel");

    auto* right = new QVBoxLayout;
    right->addWidget(card);
    right->addLayout(amounts);
    right->addStretch(1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(shipping);
    frames->addWidget(billing);
    frames->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(cmdCancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(frames);
    top->addWidget(WebBrowser1, 1);
    top->addLayout(buttons);
}

QString frmVerifyOrder::boxText(const char* name) const
{
    const auto* box = findChild<QLineEdit*>(name);
    return box ? box->text() : QString();
}

void frmVerifyOrder::fillBoxes()
{
    const OrderRecord& r = purchase_.record;
    auto fill = [this, &r](const auto& boxes, const auto& fields) {
        for (std::size_t i = 0; i < boxes.size(); ++i) findChild<QLineEdit*>(boxes[i])->setText(qs(r.*fields[i]));
    };
    fill(kShippingBoxes, kShipFields);
    fill(kCardHolderBoxes, kCardHolderFields);
    fill(kCardBoxes, kCardFields);
    txtPurchaseOrderNumber->setText(qs(r.OrderNumber));
}

void frmVerifyOrder::showOrder()
{
    if (!loaded_) return Form_Load();
    show();
    raise();
    activateWindow();
}

void frmVerifyOrder::Form_Load()
{
    loaded_ = true;
    platform::doEvents();
    const OrderRecord& r = purchase_.record;
    lblPrice->setText(qs(r.PriceText));
    lblTax->setText(qs(r.TaxText));
    lblShipping->setText(qs(r.ShippingText));
    lblTotal->setText(qs(r.TotalText));
    fillBoxes();
    platform::doEvents();
    show();
    raise();
    activateWindow();
}

void frmVerifyOrder::Form_Activate()
{
    WebBrowser1->hide();
    platform::doEvents();
    loadPostingPage();
    WebBrowser1->show();
    Timer1.start(kWatchIntervalMs);

    const OrderRecord& r = purchase_.record;
    lblPrice->setText(kDollar + qs(r.PriceText));
    lblTax->setText(kDollar + qs(r.TaxText));
    lblTotal->setText(kDollar + qs(r.TotalText));
    lblShipping->setText(qs(r.ShippingText).compare("0", Qt::CaseInsensitive) == 0 ? kFreeShipping
                                                                                    : kDollar + qs(r.ShippingText));
    fillBoxes();
    LblPO->setText(qs(r.OrderNumber));
    platform::doEvents();
    show();
}

void frmVerifyOrder::Timer1_Timer()
{
    Text1->setText(WebBrowser1->LocationURL());
    if (!isScript(Text1->text())) return;
    // Stopped before the message, so a tick during it cannot thank twice.
    Timer1.stop();
    WebBrowser1->hide();
    messages_.show(kThanks);
    hide();
    purchase_.dropPostingPage();
    purchase_.forgetCard();
}

bool frmVerifyOrder::loadPostingPage()
{
    // From memory, with the server as the page's address: no file holds the card.
    const std::optional<std::string> server = orderServerAddress();
    if (!server || purchase_.postingPage().empty()) return false;
    WebBrowser1->setPage(qs(purchase_.postingPage()), qs(*server + "/"));
    return true;
}

void frmVerifyOrder::postRefused(const char* message)
{
    // Said once the page is back, not over the browser's own error page.
    refusal_ = message;
    refusalPending_ = loadPostingPage();
    if (!refusalPending_) reportRefusal();
}

void frmVerifyOrder::reportRefusal() { say(refusal_); }

void frmVerifyOrder::say(const char* message) { messages_.show(message + std::string(kSupportEmail) + "."); }

void frmVerifyOrder::pageEnded(const QString& loading)
{
    if (!Timer1.isActive()) return;  // the order is over: nothing to show
    // The page is set again once: one whose process always ends cannot loop.
    const bool restartedBefore = std::exchange(pageRestarted_, true);
    if (isScript(loading)) return postRefused(kPageStopped);
    if (!restartedBefore) {
        loadPostingPage();  // nothing was posted: the page is simply shown again
        return;
    }
    if (std::exchange(refusalPending_, false)) reportRefusal();
    // Said once, whatever activation tries the page again, until a post ends or the order is left.
    if (!std::exchange(notShownSaid_, true)) say(kPageNotShown);
}

void frmVerifyOrder::endWatch()
{
    showPosting(false);
    refusalPending_ = false;
    pageRestarted_ = notShownSaid_ = false;
    purchase_.dropPostingPage();
    Timer1.stop();
}

void frmVerifyOrder::cmdCancel_Click()
{
    endWatch();
    hide();
}

void frmVerifyOrder::Command1_Click()
{
    endWatch();
    purchase_.show();
    purchase_.raise();
    purchase_.activateWindow();
    hide();
}

void frmVerifyOrder::closeEvent(QCloseEvent* event)
{
    // Closing the window ends the order like Cancel: the page goes too.
    endWatch();
    event->accept();
}

}  // namespace ordering
