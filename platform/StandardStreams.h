#pragma once
// Standard input and output as bytes. Windows opens them in text mode, where
// each "\n" written becomes "\r\n" and a Ctrl-Z read ends the input; a
// program whose output is compared byte for byte across systems switches
// them to binary mode before its first read or write. Elsewhere they are
// bytes already.

namespace platform {

void UseBinaryStandardStreams();

} // namespace platform
