// The window's programs paint their first window without libcurl, libpsl and libidn2, and the
// thirty libraries behind them: the functions of theirs that we call are defined here instead,
// and the first call of one loads its library. A library that cannot be loaded fails each call
// in that library's own way (a null handle, an error code), and says why once on standard error.
// brelka-cli and the tests link the libraries as usual.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>
#include <idn2.h>
#include <libpsl.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

struct Library {
  explicit Library(const char* file) : file(file) {}
  const char* file;
  std::once_flag once;
  void* handle = nullptr;
};

Library libcurl{"libcurl.so.4"};
Library libpsl{"libpsl.so.5"};
Library libidn2{"libidn2.so.0"};

void* Symbol(Library& library, const char* name) {
  std::call_once(library.once, [&library] {
    library.handle = dlopen(library.file, RTLD_NOW | RTLD_LOCAL);
    if (!library.handle) std::fprintf(stderr, "brelka: cannot load %s\n", dlerror());
  });
  return library.handle ? dlsym(library.handle, name) : nullptr;
}

template <class Function>
Function* Find(Library& library, const char* name) {
  return reinterpret_cast<Function*>(Symbol(library, name));
}

// An easy or multi handle's option: its number says the type of its one argument.
template <class Result, class Handle, class Option>
Result ForwardOption(Result (*real)(Handle*, Option, ...), Handle* handle, Option option,
                     va_list arguments) {
  const long number = option;
  if (number < CURLOPTTYPE_OBJECTPOINT) return real(handle, option, va_arg(arguments, long));
  if (number >= CURLOPTTYPE_OFF_T && number < CURLOPTTYPE_BLOB) {
    return real(handle, option, va_arg(arguments, curl_off_t));
  }
  return real(handle, option, va_arg(arguments, void*));
}

// A share handle's option: what to share is an int, the rest are pointers.
CURLSHcode ForwardOption(CURLSHcode (*real)(CURLSH*, CURLSHoption, ...), CURLSH* share,
                         CURLSHoption option, va_list arguments) {
  if (option == CURLSHOPT_SHARE || option == CURLSHOPT_UNSHARE) {
    return real(share, option, va_arg(arguments, int));  // a curl_lock_data
  }
  return real(share, option, va_arg(arguments, void*));
}

}  // namespace

// The real function of this name in that library, found once.
#define BRELKA_REAL(library, name) \
  static decltype(name)* const real = Find<decltype(name)>(library, #name)

// The body of a function that sets one option of a handle, `failure` without the library.
#define BRELKA_SET_OPTION(library, name, handle, option, failure)                      \
  BRELKA_REAL(library, name);                                                          \
  va_list arguments;                                                                   \
  va_start(arguments, option);                                                         \
  const auto result = real ? ForwardOption(real, handle, option, arguments) : failure; \
  va_end(arguments);                                                                   \
  return result

CURLcode curl_global_init(long flags) {
  BRELKA_REAL(libcurl, curl_global_init);
  return real ? real(flags) : CURLE_FAILED_INIT;
}

const char* curl_easy_strerror(CURLcode code) {
  BRELKA_REAL(libcurl, curl_easy_strerror);
  return real ? real(code) : "libcurl cannot be loaded";
}

CURL* curl_easy_init() {
  BRELKA_REAL(libcurl, curl_easy_init);
  return real ? real() : nullptr;
}

void curl_easy_cleanup(CURL* easy) {
  BRELKA_REAL(libcurl, curl_easy_cleanup);
  if (real) real(easy);
}

CURLcode curl_easy_setopt(CURL* easy, CURLoption option, ...) {
  BRELKA_SET_OPTION(libcurl, curl_easy_setopt, easy, option, CURLE_FAILED_INIT);
}

CURLcode curl_easy_getinfo(CURL* easy, CURLINFO info, ...) {
  BRELKA_REAL(libcurl, curl_easy_getinfo);
  if (!real) return CURLE_FAILED_INIT;
  va_list arguments;
  va_start(arguments, info);
  void* const where = va_arg(arguments, void*);  // every item is read through a pointer
  va_end(arguments);
  return real(easy, info, where);
}

curl_slist* curl_slist_append(curl_slist* list, const char* text) {
  BRELKA_REAL(libcurl, curl_slist_append);
  return real ? real(list, text) : nullptr;
}

void curl_slist_free_all(curl_slist* list) {
  BRELKA_REAL(libcurl, curl_slist_free_all);
  if (real) real(list);
}

CURLSH* curl_share_init() {
  BRELKA_REAL(libcurl, curl_share_init);
  return real ? real() : nullptr;
}

CURLSHcode curl_share_setopt(CURLSH* share, CURLSHoption option, ...) {
  BRELKA_SET_OPTION(libcurl, curl_share_setopt, share, option, CURLSHE_NOT_BUILT_IN);
}

CURLSHcode curl_share_cleanup(CURLSH* share) {
  BRELKA_REAL(libcurl, curl_share_cleanup);
  return real ? real(share) : CURLSHE_INVALID;
}

CURLM* curl_multi_init() {
  BRELKA_REAL(libcurl, curl_multi_init);
  return real ? real() : nullptr;
}

CURLMcode curl_multi_setopt(CURLM* multi, CURLMoption option, ...) {
  BRELKA_SET_OPTION(libcurl, curl_multi_setopt, multi, option, CURLM_BAD_HANDLE);
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* easy) {
  BRELKA_REAL(libcurl, curl_multi_add_handle);
  return real ? real(multi, easy) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* easy) {
  BRELKA_REAL(libcurl, curl_multi_remove_handle);
  return real ? real(multi, easy) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_perform(CURLM* multi, int* running) {
  BRELKA_REAL(libcurl, curl_multi_perform);
  return real ? real(multi, running) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_poll(CURLM* multi, curl_waitfd extra[], unsigned count, int ms, int* ready) {
  BRELKA_REAL(libcurl, curl_multi_poll);
  return real ? real(multi, extra, count, ms, ready) : CURLM_BAD_HANDLE;
}

CURLMcode curl_multi_wakeup(CURLM* multi) {
  BRELKA_REAL(libcurl, curl_multi_wakeup);
  return real ? real(multi) : CURLM_BAD_HANDLE;
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* left) {
  BRELKA_REAL(libcurl, curl_multi_info_read);
  return real ? real(multi, left) : nullptr;
}

CURLMcode curl_multi_cleanup(CURLM* multi) {
  BRELKA_REAL(libcurl, curl_multi_cleanup);
  return real ? real(multi) : CURLM_BAD_HANDLE;
}

psl_ctx_t* psl_load_fp(FILE* file) {
  BRELKA_REAL(libpsl, psl_load_fp);
  return real ? real(file) : nullptr;
}

void psl_free(psl_ctx_t* psl) {
  BRELKA_REAL(libpsl, psl_free);
  if (real) real(psl);
}

int psl_is_public_suffix2(const psl_ctx_t* psl, const char* domain, int type) {
  BRELKA_REAL(libpsl, psl_is_public_suffix2);
  return real ? real(psl, domain, type) : 1;  // libpsl's own answer without a list
}

int idn2_to_ascii_8z(const char* input, char** output, int flags) {
  BRELKA_REAL(libidn2, idn2_to_ascii_8z);
  return real ? real(input, output, flags) : IDN2_MALLOC;
}

const char* idn2_strerror(int code) {
  BRELKA_REAL(libidn2, idn2_strerror);
  return real ? real(code) : "libidn2 cannot be loaded";
}

void idn2_free(void* memory) {
  BRELKA_REAL(libidn2, idn2_free);
  if (real) real(memory);
}
