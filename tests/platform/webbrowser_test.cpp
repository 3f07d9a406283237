#include "platform/webbrowser.h"

#include <QMetaEnum>

#include <gtest/gtest.h>

namespace {

using Failure = platform::WebBrowser::Failure;
using Info = QWebEngineLoadingInfo;

// Only a failure before the request went out says the server was not reached: a time-out waiting for the answer may
// end a post whose order the server stored.
TEST(WebBrowser, OnlyFailuresBeforeTheRequestWentOutAreUnreached)
{
    const struct { Info::ErrorDomain domain; int code; Failure failure; } cases[] = {
        {Info::ConnectionErrorDomain, -102, Failure::Unreached},  // refused
        {Info::ConnectionErrorDomain, -118, Failure::Unreached},  // timed out connecting
        {Info::InternalErrorDomain, -7, Failure::CutOff},         // timed out waiting for the answer
        {Info::CertificateErrorDomain, -202, Failure::Unreached},  // the server's certificate refused
        {Info::CertificateErrorDomain, -200, Failure::Unreached},  // for another name
        {Info::ConnectionErrorDomain, -113, Failure::Unreached},  // no common TLS version or cipher
        {Info::ConnectionErrorDomain, -107, Failure::CutOff},     // any TLS protocol error
        {Info::ConnectionErrorDomain, -114, Failure::CutOff},     // a renegotiation, asked after the request
        {Info::ConnectionErrorDomain, -100, Failure::CutOff},     // closed
    };
    const auto name = [](Failure failure) { return QMetaEnum::fromType<Failure>().valueToKey(int(failure)); };
    for (const auto& c : cases)
        EXPECT_STREQ(name(platform::WebBrowser::failureOf(Info::LoadFailedStatus, c.domain, c.code)), name(c.failure))
            << c.code;
}

}  // namespace
