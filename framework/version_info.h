#pragma once

// The version resource is compiled from each program's resource script on Windows; the
// resource table keeps no copy of it, and nothing reads one.
struct VersionInfo;
