// The public corpora of genuine WHOIS answers with known verdicts (tests/data/whois-corpus),
// read as a run would: by the table's entry for the name's suffix, else by the common forms.
// No taken name may read free, no answer that is not a free one may either, and nearly every
// answer must read as what it is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "base/Text.h"
#include "check/whois/WhoisTable.h"
#include "names/ALabel.h"

namespace {

using check::Status;

// Answers filed among the free ones whose words say otherwise; each read as what it says.
const std::map<std::string, Status> kNotFree = {
    {"likexian/notfound/name_login.name", Status::Reserved},    // second level name reserved
    {"likexian/notfound/name_science.name", Status::Reserved},  // a shared name
    {"php-whois/notfound/qa_free.qa", Status::Reserved},        // "Reserved by QDR"
    {"php-whois/notfound/ml_free.ml", Status::Unknown},         // "can temporarily not be answered"
    {"php-whois/notfound/ga_free.ga", Status::Unknown},         // the same
    {"php-whois/notfound/hk_free.hk", Status::Unknown},         // a throttle
    {"php-whois/notfound/nz_free.nz", Status::Unknown},         // "440 Request Denied"
    {"php-whois/notfound/nz_progressbuilders.co.nz.nz", Status::Unknown},  // "510 not managed"
    {"php-whois/notfound/promo_free.promo", Status::Unknown},    // about free.pr, another name
    {"php-whois/notfound/vu_free.vu", Status::Unknown},          // "is not valid!"
    {"php-whois/notfound/bo_free.bo", Status::Unknown},          // "accepts only .bo names"
    {"php-whois/notfound/tr_free.tr", Status::Unknown},          // "Invalid input"
    {"php-whois/notfound/md_free.md", Status::Unknown},          // "No match for " and no name
    {"php-whois/notfound/to_free.to", Status::Unknown},          // "No match for free"
    {"php-whois/notfound/hk.com_free.hk.com", Status::Unknown},  // about freedomain.hk.com
    {"php-whois/notfound/lu_free.lu", Status::Unknown},          // "Maximum query rate reached"
};

struct Tally {
  int answers = 0;
  int right = 0;
  std::vector<std::string> free;  // answers read as available that are not free ones
};

// Each file of a folder, named SUFFIX_NAME.txt, read as the answer about NAME.
Tally ReadFolder(const std::string& corpus, const std::string& folder, Status expected) {
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  Tally tally;
  const std::filesystem::path path = std::filesystem::path("data/whois-corpus") / corpus / folder;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    EXPECT_EQ(entry.path().extension(), ".txt") << entry.path();
    const std::u8string utf8 = entry.path().stem().u8string();
    const std::string file(utf8.begin(), utf8.end());
    const std::string key = corpus + "/" + folder + "/" + file;
    const auto name = names::ToALabel(base::FromUtf8(file.substr(file.find('_') + 1)));
    if (!name) ADD_FAILURE() << key << ": " << name.error();
    if (!name) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto host = table.HostFor(name.value());
    const check::WhoisServer server = table.ServerFor(host ? *host : "whois.unlisted.example");
    const Status read = check::ReadWhoisAnswer(server, name.value(), bytes).status;
    const auto known = kNotFree.find(key);
    const Status truth = known != kNotFree.end() ? known->second : expected;
    ++tally.answers;
    tally.right += read == truth;
    if (read == Status::Available && truth != Status::Available) tally.free.push_back(key);
  }
  return tally;
}

TEST(WhoisCorpus, FreeAnswersReadFreeAndTakenOnesTakenNeverTheOtherWay) {
  for (const char* corpus : {"likexian", "php-whois"}) {
    const Tally free = ReadFolder(corpus, "notfound", Status::Available);
    const Tally taken = ReadFolder(corpus, "noterror", Status::Registered);
    RecordProperty(std::string(corpus) + "_free",
                   std::to_string(free.right) + "/" + std::to_string(free.answers));
    RecordProperty(std::string(corpus) + "_taken",
                   std::to_string(taken.right) + "/" + std::to_string(taken.answers));
    EXPECT_EQ(taken.free, std::vector<std::string>{});
    EXPECT_EQ(free.free, std::vector<std::string>{});
    EXPECT_GE(free.right * 100, free.answers * 95)
        << corpus << ": " << free.right << " of " << free.answers << " free answers";
    EXPECT_GE(taken.right * 100, taken.answers * 95)
        << corpus << ": " << taken.right << " of " << taken.answers << " taken answers";
  }
}

}  // namespace
