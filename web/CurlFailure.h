// What both libcurl backends share: starting libcurl once, the kind and text of a failed
// transfer, and setting an option whose failure would leave a safeguard off. It does not run
// transfers.
#pragma once

#include <curl/curl.h>

#include "base/Result.h"

namespace web {

// Starts libcurl on first use, from any thread, exactly once.
void InitCurlOnce();

// `redirected`: the transfer had followed a redirect when it failed, so a refused protocol
// is the redirect's. `errorText` is the transfer's error buffer, possibly empty.
base::Failure CurlFailure(CURLcode code, bool redirected, const char* errorText);

// The result of setting an option the program relies on (protocols, redirect limits,
// verification), named `what`: a libcurl too old to know it would run without the safeguard, so
// the transfer fails instead, saying which libcurl is needed.
base::Status Required(CURLcode set, const char* what);

// Sets the options every transfer relies on: only http and https, redirects followed up to the
// limit and only to `redirectProtocols` ("https" keeps an https request from falling back to
// http), certificates and host names verified. The first that cannot be set is the failure.
base::Status SetSafeguards(CURL* easy, const char* redirectProtocols, int maxRedirects);

// Sets every such option on a throw-away handle, so that a program can refuse to start on a
// libcurl that lacks one rather than fail each transfer.
base::Status CheckCurlOptions();

}  // namespace web
