#pragma once
// File systems a test mounts for itself: a small tmpfs, a read-only view of a
// folder, a file bound over another. They live in the test process's own
// mount namespace (entered by main before any thread starts), so they vanish
// with the process and never show outside it.

#include <string>

// Enters a private mount namespace; false when this process may not mount,
// e.g. when it does not run as root (MountsUnavailableReason says why).
bool EnterPrivateMounts();
// Whether EnterPrivateMounts succeeded; the reason when it did not.
bool MountsAvailable();
const std::string& MountsUnavailableReason();

// Each returns false when the mount failed.
bool MountSmallTmpfs(const std::string& folder, unsigned kilobytes);
bool MakeReadOnly(const std::string& folder);   // binds the folder onto itself, read-only
bool BindFile(const std::string& source, const std::string& target);
// Detaches whatever is mounted on `path`, so the folder beneath can be removed.
void Unmount(const std::string& path);
