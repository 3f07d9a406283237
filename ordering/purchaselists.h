#pragma once
// The order form's fixed lists and its notice, as stored with the form.

#include <array>
#include <string_view>

namespace ordering {

// Every state item ends in a blank; the sales-tax rule compares with it.
inline constexpr std::array<std::string_view, 56> kStates = {
    "Alabama ", "Alaska ", "American Samoa ", "Arizona ", "Arkansas ", "California ", "Colorado ",
    "Connecticut ", "Delaware ", "District of Columbia ", "Florida ", "Georgia ", "Guam ", "Hawaii ", "Idaho ",
    "Illinois ", "Indiana ", "Iowa ", "Kansas ", "Kentucky ", "Louisiana ", "Maine ", "Maryland ",
    "Massachusetts ", "Michigan ", "Minnesota ", "Mississippi ", "Missouri ", "Montana ", "Nebraska ", "Nevada ",
    "New Hampshire ", "New Jersey ", "New Mexico ", "New York ", "North Carolina ", "North Dakota ",
    "Northern Marianas Islands ", "Ohio ", "Oklahoma ", "Oregon ", "Pennsylvania ", "Puerto Rico ",
    "Rhode Island ", "South Carolina ", "South Dakota ", "Tennessee ", "Texas ", "Utah ", "Vermont ", "Virginia ",
    "Virgin Islands ", "Washington ", "West Virginia ", "Wisconsin ", "Wyoming ",
};

inline constexpr std::array<std::string_view, 4> kCardTypes = {"Visa", "MasterCard", "American Express",
                                                               "Discover/Novus"};

inline constexpr int kQuantities = 10;     // "1" to "10"
inline constexpr int kMonths = 12;         // "01" to "12"
inline constexpr int kExpiryYears = 10;    // from the current year on

inline constexpr std::string_view kNotice =
    "- Your credit card will not be processed until your plans are generated. \r\n"
    "- You will receive a receipt with your plans via email. \r\n"
    "- The plans will be compressed within a zip file and sent as an attachment to your email address. \r\n"
    "- Please be sure that you are able to receive email attachments up to 5 megabytes.\r\n"
    "- Your information will NEVER be shared with anyone for any reason. \r\n"
    "- Your information is encrypted before the order is sent to ensure a secure transaction.\r\n";

// The boxes of the order form's three frames, in the order record's order;
// the verify window's boxes carry the same names.
inline constexpr std::array<const char*, 10> kShippingBoxes = {
    "txtFirstName", "txtMiddleName", "txtLastName", "txtaddress1",    "txtAddress2",
    "txtCity",      "cmbState",      "txtZip",      "txtphonenumber", "txtEmailAddress"};
inline constexpr std::array<const char*, 10> kCardHolderBoxes = {
    "txtCardHoldersFirstName", "txtCardHoldersMiddleName", "txtCardHoldersLastName",    "txtCardHoldersAddress1",
    "txtCardHoldersAddress2",  "txtCardHoldersCity",       "cmbCardHoldersState",       "txtCardHoldersZip",
    "txtCardHoldersPhoneNumber", "txtCardHoldersEmailAddress"};
inline constexpr std::array<const char*, 5> kCardBoxes = {"cmbCardType", "txtCardNumber", "cmbCardExpDateMonth",
                                                          "cmbCardExpDateYear", "txtCardSecurityCode"};

// The captions beside the name-and-address boxes, in the boxes' order.
inline constexpr std::array<std::string_view, 10> kShippingLabels = {
    "First Name", "Middle Name", "Last Name", "Address 1", "Address 2", "City", "State", "Zip", "Phone #", "Email"};
inline constexpr std::array<std::string_view, 10> kBillingLabels = {
    "First Name", "Middle Name",           "Last Name",       "Street Address 1", "Street Address 2",
    "City",       "State (if within USA)", "Zip/Postal Code", "Phone #",          "Email"};
inline constexpr std::array<std::string_view, 4> kCardLabels = {"Card Type", "Credit Card Number",
                                                                "Experation Date", "Security Code"};

}  // namespace ordering
