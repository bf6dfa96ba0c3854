// Where a query's requests go at the registrar, and the form POST that the search and the
// removal both make. Every front end and source that talks to the registrar goes through these,
// so they send exactly what the window sends.
#pragma once

#include <string_view>

#include "web/HttpRequest.h"
#include "web/Module1.h"

namespace query {

inline constexpr std::u16string_view kSearchPath = u"/domains/searchbulk.aspx";
inline constexpr std::u16string_view kRemovePath =
    u"/domains/actions/json/removedomainsfrompending.aspx?TargetDivID=xRemoveAll=true";

// One new request object: "POST" to url with the form content type and body. Without a pump the
// send is synchronous and returns when the exchange has ended. With a pump it is sent
// asynchronously and waited for like the page fetch, so the wait ends early, as a failure, once
// the pump's window has gone away.
base::Status PostForm(web::HttpSession& session, std::u16string_view url, std::u16string_view body,
                     web::MessagePump* pump = nullptr);

}  // namespace query
