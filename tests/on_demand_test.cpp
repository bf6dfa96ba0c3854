// This program is linked as the window's programs are, with libcurl, libpsl and libidn2 loaded
// at their first call: each must load then and answer as the linked library does.
#include <gtest/gtest.h>
#include <stdio.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "names/ALabel.h"
#include "names/PublicSuffix.h"
#include "sim/RegistrarSim.h"
#include "web/HttpClient.h"

namespace {

bool Loaded(const std::string& library) {
  std::ifstream maps("/proc/self/maps");
  std::stringstream text;
  text << maps.rdbuf();
  return text.str().find("/" + library) != std::string::npos;
}

// What the dynamic loader would load to start the program, as ldd lists it.
std::string LoadedAtStart(const std::string& program) {
  std::string listed;
  if (FILE* pipe = popen(("LD_TRACE_LOADED_OBJECTS=1 '" + program + "'").c_str(), "r")) {
    std::array<char, 4096> chunk;
    while (std::size_t got = fread(chunk.data(), 1, chunk.size(), pipe))
      listed.append(chunk.data(), got);
    pclose(pipe);
  }
  return listed;
}

TEST(OnDemandLibraries, EachLoadsAtItsFirstCallAndAnswersAsLinked) {
  // libcurl brings the other two with it, so it comes last.
  ASSERT_FALSE(Loaded("libidn2.so"));
  EXPECT_EQ(names::ToALabel(u"bücher.example").value(), "xn--bcher-kva.example");
  EXPECT_FALSE(names::ToALabel(u"a\u00adb\u0378.example"));
  EXPECT_TRUE(Loaded("libidn2.so"));

  ASSERT_FALSE(Loaded("libpsl.so"));
  EXPECT_TRUE(names::IsPublicSuffix("co.uk"));
  EXPECT_FALSE(names::IsPublicSuffix("example.co.uk"));
  EXPECT_TRUE(Loaded("libpsl.so"));

  ASSERT_FALSE(Loaded("libcurl.so"));
  sim::RegistrarSim registrar;
  const auto client = web::OpenHttpClient({});
  const web::Reply reply = web::FetchOne(*client, {registrar.BaseUrl() + "/no-such-page", {}}, {});
  ASSERT_TRUE(reply.ok()) << reply.failure->message;
  EXPECT_EQ(reply.status, 404);
  EXPECT_TRUE(Loaded("libcurl.so"));
}

TEST(OnDemandLibraries, TheWindowProgramsStartWithoutThem) {
  for (const char* program : {BRELKA_PROGRAM, BRELKA_DEMO_PROGRAM}) {
    const std::string listed = LoadedAtStart(program);
    EXPECT_NE(listed.find("libQt6Widgets"), std::string::npos) << program << ":\n" << listed;
    for (const char* library : {"libcurl", "libpsl", "libidn2"}) {
      EXPECT_EQ(listed.find(library), std::string::npos) << program << " loads " << library;
    }
  }
}

}  // namespace
