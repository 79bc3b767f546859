#pragma once

#include <string>

namespace qm::net {

// Socket error numbers as the program reports them (the classic socket
// numbering: 10061 connection refused, 11001 host not found, ...).
namespace sockerr {
inline constexpr int WouldBlock = 10035;
inline constexpr int InProgress = 10036;
inline constexpr int MessageTooLong = 10040;
inline constexpr int NotSupported = 10045;
inline constexpr int AddressInUse = 10048;
inline constexpr int CantAssignAddress = 10049;
inline constexpr int NetworkDown = 10050;
inline constexpr int NetworkUnreachable = 10051;
inline constexpr int ConnectionAborted = 10053;
inline constexpr int ConnectionReset = 10054;
inline constexpr int NoBufferSpace = 10055;
inline constexpr int NotConnected = 10057;
inline constexpr int TimedOut = 10060;
inline constexpr int ConnectionRefused = 10061;
inline constexpr int PermissionDenied = 10013;
inline constexpr int HostNotFound = 11001;
}  // namespace sockerr

// The message of a socket error number alone ("Connection refused"), or an
// empty string for a number the table does not know.
std::string socketErrorMessage(int code);

// The text an error is reported with: the number, ":" and its message
// ("10061:Connection refused"); an unknown number gives
// "Unknown Error No. " + number.
std::string socketErrorText(int code);

}  // namespace qm::net
