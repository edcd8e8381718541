#include "club/club_http.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

#include "club/club_wire.h"
#include "platform/file_system.h"

namespace tarnel {
namespace {

// Replies and downloads beyond this are refused rather than held in memory.
constexpr std::size_t kMaxReply = 64 << 20;

void GlobalInit() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t Collect(char* data, size_t size, size_t count, void* user) {
  auto* out = static_cast<std::string*>(user);
  if (out->size() + size * count > kMaxReply) return 0;  // aborts the transfer
  out->append(data, size * count);
  return size * count;
}

// Runs the prepared transfer; the body on a 2xx reply, nothing otherwise.
std::optional<std::string> Perform(CURL* curl) {
  std::string body;
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  if (curl_easy_perform(curl) != CURLE_OK) return std::nullopt;
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status < 200 || status >= 300) return std::nullopt;
  return body;
}

}  // namespace

ClubHttp::ClubHttp() {
  GlobalInit();
  handle_ = curl_easy_init();
  CURL* curl = static_cast<CURL*>(handle_);
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");  // cookies on, kept in memory
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
}

ClubHttp::~ClubHttp() {
  curl_easy_cleanup(static_cast<CURL*>(handle_));
}

void ClubHttp::SetReadTimeout(std::chrono::milliseconds timeout) {
  readTimeout_ = timeout;
}

std::optional<std::string> ClubHttp::Post(const std::string& address, const std::string& body) {
  CURL* curl = static_cast<CURL*>(handle_);
  if (!curl || address.empty()) return std::nullopt;
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, kClubUserAgent);
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
  curl_slist* headers = curl_slist_append(nullptr, "Accept: text/html, */*");
  headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
  headers = curl_slist_append(headers, "Expect:");
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  // A read time-out: a reply that sends nothing for the whole period fails.
  if (readTimeout_.count() > 0) {
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>((readTimeout_.count() + 999) / 1000));
  }
  std::optional<std::string> reply = Perform(curl);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(headers);
  return reply;
}

std::optional<std::string> ClubHttp::PostText(const std::string& plainAddress,
                                              std::string_view body) {
  return Post(plainAddress, std::string(body));
}

std::optional<std::string> ClubHttp::PostFields(const std::string& plainAddress,
                                                std::string_view lines) {
  return Post(plainAddress, PostFieldsBody(lines));
}

std::optional<std::string> ClubGet(const std::string& plainAddress) {
  GlobalInit();
  if (plainAddress.empty()) return std::nullopt;
  CURL* curl = curl_easy_init();
  if (!curl) return std::nullopt;
  curl_easy_setopt(curl, CURLOPT_URL, plainAddress.c_str());
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  std::optional<std::string> body = Perform(curl);
  curl_easy_cleanup(curl);
  return body;
}

std::string GetExternalAddress(const std::string& plainAddress) {
  std::optional<std::string> reply = ClubGet(plainAddress);
  if (!reply) return {};
  std::string text = *reply;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

bool DownloadLibrary(const std::string& serverBase, const std::string& fileName,
                     const std::filesystem::path& target, FileSystem& files) {
  // Only a plain file name: the name becomes part of the address and of the local path.
  if (fileName.empty() || fileName.find_first_of("/\\%?#") != std::string::npos ||
      fileName == "." || fileName == "..")
    return false;
  std::optional<std::string> bytes = ClubGet(serverBase + "/downloads/progr/cards/" + fileName);
  if (!bytes || bytes->empty()) return false;
  return files.ReplaceFile(target, *bytes).Ok();
}

namespace {
struct UploadSource {
  std::string_view Bytes;
  std::size_t At = 0;
};
size_t Feed(char* buffer, size_t size, size_t count, void* user) {
  auto* source = static_cast<UploadSource*>(user);
  std::size_t n = std::min(size * count, source->Bytes.size() - source->At);
  std::copy_n(source->Bytes.data() + source->At, n, buffer);
  source->At += n;
  return n;
}
}  // namespace

bool UploadPhoto(const std::string& upload, const std::string& nick, std::string_view bytes) {
  GlobalInit();
  if (upload.empty() || nick.empty() || nick.find_first_of("/\\") != std::string::npos)
    return false;
  CURL* curl = curl_easy_init();
  if (!curl) return false;
  char* escaped = curl_easy_escape(curl, nick.c_str(), static_cast<int>(nick.size()));
  std::string address = upload + escaped + ".jpg";
  curl_free(escaped);
  UploadSource source{bytes};
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, Feed);
  curl_easy_setopt(curl, CURLOPT_READDATA, &source);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
  curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
  bool ok = curl_easy_perform(curl) == CURLE_OK;
  curl_easy_cleanup(curl);
  return ok;
}

}  // namespace tarnel
