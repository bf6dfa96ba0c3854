#include "WindowSettings.h"

#include "base/Text.h"

namespace app {
namespace {

constexpr std::string_view kSpaces = " \t\r";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

// A value as both readers give it: without the quotes around it.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The text as UTF-8: a UTF-16 file (the profile functions write them) is converted, a byte-order
// mark dropped. Only the ASCII of the lines matters here.
std::string AsUtf8(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) return std::string(text.substr(3));
  if (!text.starts_with("\xFF\xFE")) return std::string(text);
  std::u16string wide;
  for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
    wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                         static_cast<unsigned char>(text[i + 1]) << 8));
  }
  std::string narrow;
  for (char16_t unit : wide) narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return narrow;
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kMost = 40;
  std::string shown;
  for (char c : text.substr(0, kMost)) {
    shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  }
  return "\"" + shown + (text.size() > kMost ? "...\"" : "\"");
}

}  // namespace

std::optional<QuerySource> QuerySourceNamed(std::string_view name) {
  if (name == "registrar") return QuerySource::Registrar;
  if (name == "registry") return QuerySource::Registry;
  return std::nullopt;
}

std::optional<SettingsFault> CheckSettings(std::string_view bytes) {
  const std::string text = AsUtf8(bytes);
  std::string_view rest = text;
  std::string section;
  for (std::size_t number = 1; !rest.empty(); ++number) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        return SettingsFault{number, "无法识别的节名 " + Quoted(line)};
      }
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) {
      return SettingsFault{number, "无法识别的行 " + Quoted(line)};
    }
    if (section != "query") continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Unquoted(Trim(line.substr(equals + 1)));
    if (key != "source") {
      return SettingsFault{number, "[query] 中没有设置项 " + Quoted(key) + " (只有 source)"};
    }
    if (!QuerySourceNamed(value)) {
      return SettingsFault{
          number, "未知的查询方式 " + Quoted(value) + " (可用: registrar 注册商, registry 注册局)"};
    }
  }
  return std::nullopt;
}

SourceChoice ChooseSource(std::optional<QuerySource> given, std::u16string_view file,
                          const std::optional<std::string>& text,
                          const std::function<std::string()>& readValue) {
  if (given) return SourceChoice{*given, std::nullopt};
  if (!text) return SourceChoice{};
  auto told = [file](const std::u16string& what) {
    return SourceChoice{QuerySource::Registrar, u"设置文件 " + std::u16string(file) + u" " + what +
                                                    u"\r\n本次使用默认的查询方式: 注册商。"};
  };
  if (const std::optional<SettingsFault> fault = CheckSettings(*text)) {
    return told(u"第" + base::FromUtf8(std::to_string(fault->line)) + u"行: " +
                base::FromUtf8(fault->what));
  }
  const std::string value = readValue();
  if (value.empty()) return SourceChoice{};
  if (const auto source = QuerySourceNamed(value)) return SourceChoice{*source, std::nullopt};
  return told(u"中的查询方式 " + base::FromUtf8(Quoted(value)) + u" 无法识别");
}

base::Result<std::optional<QuerySource>> ReadSourceArguments(std::span<const std::string> args) {
  std::optional<QuerySource> source;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view argument = args[i];
    std::string_view name;
    if (argument.starts_with("--source=")) {
      name = argument.substr(9);
    } else if (argument == "--source" && i + 1 < args.size()) {
      name = args[++i];
    } else if (argument == "--source") {
      return base::Failure{"--source 需要一个值: registrar 或 registry"};
    } else {
      return base::Failure{"无法识别的参数 " + Quoted(argument) +
                          "; 可用: --source registrar 或 --source registry"};
    }
    source = QuerySourceNamed(name);
    if (!source) {
      return base::Failure{"未知的查询方式 " + Quoted(name) +
                          "; 可用: --source registrar 或 --source registry"};
    }
  }
  return source;
}

}  // namespace app
