#include "mounts.h"

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace {

bool available = false;
std::string unavailableReason = "the private mount namespace was not set up";

}  // namespace

bool EnterPrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0) {
        unavailableReason = std::string("no private mount namespace (") + std::strerror(errno) + "); mounting needs root";
        return false;
    }
    // Nothing mounted here may propagate back to the machine.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        unavailableReason = std::string("mounts cannot be made private (") + std::strerror(errno) + ")";
        return false;
    }
    available = true;
    return true;
}

bool MountsAvailable() { return available; }

const std::string& MountsUnavailableReason() { return unavailableReason; }

bool MountSmallTmpfs(const std::string& folder, unsigned kilobytes) {
    const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
    return ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

bool MakeReadOnly(const std::string& folder) {
    return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool BindFile(const std::string& source, const std::string& target) {
    return ::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) == 0;
}


void Unmount(const std::string& path) { ::umount2(path.c_str(), MNT_DETACH); }
