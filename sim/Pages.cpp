#include "sim/Pages.h"

namespace sim::pages {
namespace {

// The price shown beside a name: dotted text inside each entry, as on the registrar's page.
std::string_view PriceOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  const std::string_view suffix = dot == std::string_view::npos ? name : name.substr(dot);
  if (suffix == ".COM") return "￥ 68.00/年";
  if (suffix == ".CN") return "￥ 29.00/年";
  return "￥ 88.00/年";
}

constexpr std::string_view kHead =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n<head>\r\n"
    "<meta http-equiv='Content-Type' content='text/html; charset=gb2312' />\r\n"
    "<title>批量域名查询 - 域名注册 - 中国领先的域名注册商</title>\r\n"
    "<link rel='stylesheet' type='text/css' href='/css/site.v2.1.css' />\r\n"
    "<script type='text/javascript' src='/js/jquery-1.2.6.min.js'></script>\r\n"
    "</head>\r\n<body>\r\n"
    "<div id='top'><a href='/'>首页</a> | <a href='/domains/'>域名注册</a> | "
    "<a href='/hosting/'>虚拟主机</a> | 客服热线: 400.000.0000</div>\r\n"
    "<form id='bulkForm' method='post' action='/domains/searchbulk.aspx'>\r\n"
    "<p>批量查询: 每行输入一个域名, 例如 example.com, 每次最多 500 个。</p>\r\n"
    "<textarea name='domainNames' rows='10' cols='40'></textarea>\r\n"
    // Looks like an entry, but stands before the marker and must never be harvested.
    "<input type='checkbox' id='remember.choice' checked='checked' /> 记住我的选择\r\n"
    "<input type='submit' value='开始查询' />\r\n</form>\r\n"
    "<h2>查询结果</h2>\r\n"
    "<div class='cart'>\r\n<h3>My Selected Domain Names</h3>\r\n";

constexpr std::string_view kTail =
    "</table>\r\n"
    // Dotted text and entry look-alikes after the table: outside the selection.
    "<p>首年注册优惠价 ￥ 55.00 起, 续费 ￥ 68.00/年。</p>\r\n"
    "<input type='checkbox' id='privacy.protection' value='1' /> 隐私保护 ￥ 8.99/年\r\n"
    "<input type='checkbox' name='auto.renew' id='auto.renew' value='1' /> 自动续费\r\n"
    "<p><a href='/cart/checkout.aspx'>去结算</a> | <a href='/domains/searchbulk.aspx'>继续查询</a>"
    "</p>\r\n</div>\r\n"
    "<div id='footer'>Copyright 1999-2008 www.example.com.cn 版权所有 京ICP备05000000号</div>\r\n"
    "</body>\r\n</html>\r\n";

}  // namespace

std::string SelectionPage(const std::vector<std::string>& names) {
  std::string html(kHead);
  html +=
      "<p>以下域名可以注册, 已加入您的选择 (共 " + std::to_string(names.size()) + " 个):</p>\r\n";
  html += "<table class='selected' cellspacing='0' cellpadding='2' width='100%'>\r\n";
  html += "<tr><th>选择</th><th>域名</th><th>价格</th></tr>\r\n";
  for (const std::string& name : names) {
    html += "<tr><td><input type='checkbox' name='chkbx' id='" + name + "' value='1'/></td><td>" +
            name + "</td><td>" + std::string(PriceOf(name)) + "</td></tr>\r\n";
  }
  if (names.empty()) html += "<tr><td colspan='3'>您的选择是空的</td></tr>\r\n";
  html += kTail;
  return EncodeGb18030(html);
}

std::string SearchAnswer(size_t added) {
  return EncodeGb18030("<html><head><title>批量域名查询</title></head><body><p>查询完成, " +
                       std::to_string(added) +
                       " 个域名已加入您的选择。</p>"
                       "<a href='/domains/searchbulk.aspx'>查看结果</a></body></html>\r\n");
}

std::string RemoveAnswer(size_t removed, size_t left) {
  return "{\"Success\":true,\"Removed\":" + std::to_string(removed) +
         ",\"Pending\":" + std::to_string(left) + ",\"TargetDivID\":\"xRemoveAll\"}";
}

std::string StatusPage(int status) {
  return EncodeGb18030("<html><head><title>" + std::to_string(status) +
                       "</title></head><body><h1>" + std::to_string(status) +
                       "</h1><p>服务器暂时无法处理您的请求。</p></body></html>\r\n");
}

}  // namespace sim::pages
