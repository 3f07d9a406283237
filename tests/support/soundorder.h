#pragma once
// A sound order typed into the order form's boxes, as a buyer types it.

#include "ordering/frmPurchase.h"

#include <QCheckBox>
#include <QString>

#include <chrono>
#include <ctime>
#include <utility>

namespace testsupport {

// 5 December 2009, 3:45:07 PM on the machine's clock: the order form's clock for the sound order's card.
inline std::chrono::system_clock::time_point fixedClock()
{
    std::tm t{};
    t.tm_year = 2009 - 1900, t.tm_mon = 11, t.tm_mday = 5, t.tm_hour = 15, t.tm_min = 45, t.tm_sec = 7;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

// The buyer's address and card, to expire in 2012 (offered on the fixed clock); without the same-info box a card holder
// of his own.
inline void fillSoundOrder(ordering::frmPurchase& form, bool sameInfo = true)
{
    const std::pair<const char*, QString> shipping[] = {
        {"txtFirstName", "Anna"}, {"txtMiddleName", "Maria"}, {"txtLastName", "Berg"}, {"txtAddress2", ""},
        {"txtaddress1", "12 Main St."}, {"txtCity", "Salem"}, {"cmbState", "Oregon "}, {"txtZip", "97301"},
        {"txtphonenumber", "555-0100"}, {"txtEmailAddress", "anna_b@mail.example"}, {"cmbCardType", "Visa"},
        {"txtCardNumber", "4111 1111 1111 1111"}, {"cmbCardExpDateMonth", "07"},
        {"cmbCardExpDateYear", "2012"}, {"txtCardSecurityCode", "123"}};
    const std::pair<const char*, QString> holder[] = {
        {"txtCardHoldersFirstName", "Otto"}, {"txtCardHoldersMiddleName", "X"},
        {"txtCardHoldersLastName", "Beck"}, {"txtCardHoldersAddress1", "9 Elm Rd"},
        {"txtCardHoldersCity", "Austin"}, {"cmbCardHoldersState", "Texas "}, {"txtCardHoldersZip", "73301"},
        {"txtCardHoldersPhoneNumber", "555-0199"}, {"txtCardHoldersEmailAddress", "otto@mail.example"}};
    for (const auto& [box, text] : shipping) form.setBoxText(box, text);
    form.chkSameInfo->setChecked(sameInfo);
    if (!sameInfo)
        for (const auto& [box, text] : holder) form.setBoxText(box, text);
}

}  // namespace testsupport
