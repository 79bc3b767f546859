#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm::net {

// The kind of an FTP transaction, reported with the success and failure
// events. The ordinals are part of the interface.
enum class TCmdType : int {
  ChangeDir = 0,
  MakeDir = 1,
  Delete = 2,
  RemoveDir = 3,
  List = 4,
  Rename = 5,
  UploadRestore = 6,
  DownloadRestore = 7,
  Download = 8,
  Upload = 9,
  UploadAppend = 10,
  ReInit = 11,
  Allocate = 12,
  NList = 13,
  DoCommand = 14,
  CurrentDir = 15,
};

// The name a log shows for a transaction kind ("ChangeDir" ... "DoCommand");
// ordinals of 15 and above have no name.
std::string transactionName(int ordinal);

// The kind DoCommand reports for a command: its first word followed by a space
// compared exactly ("CWD " ChangeDir, "DELE " Delete, "MKD " MakeDir,
// "RMD " RemoveDir), the whole command "PWD" the current-directory kind,
// anything else DoCommand.
TCmdType commandKind(std::string_view command);

// Which reply codes count as failure depends on the step of the protocol.
enum class ReplyStep {
  Greeting,  // 400 and above: the server refuses the session
  Login,     // USER and PASS, also at a firewall: 400 to 599
  Command,   // DoCommand, TYPE: 400 to 599
  Passive,   // PASV: 500 and above
  Transfer,  // PORT, LIST, STOR, RETR and their final replies: 301 to 599
  Quit,      // 301 to 599
};
bool isFailureReply(ReplyStep step, int code);

// True while `current` is not the last line of the reply that began with
// `first`. A reply whose first line has "-" after its code runs to the line
// that starts with the same code followed by a space (or by the line end);
// any other first line is the whole reply.
bool replyContinues(std::string_view first, std::string_view current);

// The data port of a PASV reply ("227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)"):
// field 5 of the comma-separated reply is the high byte, field 6 up to its ")"
// the low byte. The address in the reply is not used. Throws ProtocolError for
// a reply without ")" after field 6, or port fields that are not numbers 0-255.
int parsePasvPort(std::string_view reply);

// "PORT a,b,c,d,hi,lo" for a local IPv4 address in dotted form and a port.
// Throws ProtocolError for an address that is not dotted IPv4.
std::string portCommand(std::string_view localAddress, int port);

// The byte count announced in a reply: the run of digits nearest to the left of
// the word "BYTE" (any case). "150 Opening data connection for a.htm (3062 bytes)."
// gives 3062; no "BYTE", no digits before it, a negative number ("-5 bytes")
// or an overflowing number give 0 (unknown).
long long parseByteCount(std::string_view line);

// The server system code taken from a SYST reply.
inline constexpr int VendorDetect = 2411;
int vendorFromSyst(std::string_view reply);
// True for the system codes whose listings the Unix-style parser reads.
bool vendorHasUnixListing(int vendor);

// The working directory of a PWD reply: the text between the first pair of
// double quotes (a doubled quote inside stands for one); empty when none.
std::string currentDirFromReply(std::string_view reply);

// A listing line as delivered to the listing event: lines longer than two
// characters lose their line end (CR LF or LF), shorter ones stay as read.
std::string listingLine(std::string_view raw);

// The columns of a Unix-style long listing line: words separated by runs of
// spaces; with more than 7 words, the name is the last word, the size the
// fourth word from the end, the date the three words before the name, the
// attributes the first word. Shorter lines have no columns.
struct ListColumns {
  std::string attr;
  std::string size;
  std::string date;
  std::string name;
};
std::optional<ListColumns> parseUnixListLine(std::string_view line);

}  // namespace qm::net
