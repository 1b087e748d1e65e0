// brivel-pack: makes an installer from a program image and a manifest (see
// PackManifest.h). The output is the image unchanged, the payload files'
// bytes back to back, the archive directory and its trailer. The
// uninstaller named in the manifest is packed with its own directory
// appended: every payload entry but itself, data offsets and sizes 0.
//
//   brivel-pack --image <installer program> --manifest <file> --out <installer>
//               [--uninstaller-out <file>]   (also writes the finished uninstaller there)
//               [--depfile <file>]           (the files read, for the build's dependencies)
//
// A build tool: built with the build machine's compiler, never run as a
// 32-bit program.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "PackManifest.h"
#include "PayloadArchive.h"

namespace {

using namespace brivel::setup;
using namespace brivel::setup::packer;

struct PackError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PackError("cannot read " + path);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw PackError("cannot read " + path);
    return bytes;
}

void WriteWhole(const std::string& path, const std::string& bytes) {
    // Through a file beside it, so a failed run leaves no half-written output.
    std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw PackError("cannot write " + part);
    }
    std::error_code error;
    std::filesystem::rename(part, path, error);
    if (error) throw PackError("cannot rename " + part + " to " + path + ": " + error.message());
}

uint32_t ArchiveOffset(size_t size) {
    if (size > UINT32_MAX) throw PackError("the archive would pass 4 GB, beyond its 32-bit offsets");
    return static_cast<uint32_t>(size);
}

std::string Append(std::string bytes, const std::vector<unsigned char>& tail) {
    bytes.append(tail.begin(), tail.end());
    return bytes;
}

// The uninstaller program with its directory: what it is to remove.
std::string FinishedUninstaller(const Manifest& manifest, const ManifestFile& uninstaller) {
    PayloadDirectory directory;
    for (const ManifestFile& file : manifest.files)
        if (!file.uninstaller) directory.entries.push_back({0, 0, file.flags, file.name});
    directory.shortcuts = manifest.shortcuts;
    directory.folders = manifest.folders;
    std::string image = ReadWhole(uninstaller.source);
    return Append(image, WritePayloadDirectory(directory, ArchiveOffset(image.size())));
}

// A make-style dependency line: the output depends on every file read.
std::string DependencyLine(const std::string& outPath, const std::vector<std::string>& inputs) {
    auto escaped = [](const std::string& path) {
        std::string out;
        for (char c : path) {
            if (c == ' ' || c == '#') out += '\\';
            if (c == '$') out += '$';
            out += c;
        }
        return out;
    };
    std::string line = escaped(outPath) + ":";
    for (const std::string& input : inputs) line += " \\\n  " + escaped(input);
    return line + "\n";
}

void Pack(const std::string& imagePath, const std::string& manifestPath, const std::string& outPath,
          const std::string& uninstallerOut, const std::string& depfile) {
    Manifest manifest;
    std::string problem;
    std::string folder = std::filesystem::path(manifestPath).parent_path().string();
    if (!ParseManifest(ReadWhole(manifestPath), folder, manifest, &problem))
        throw PackError(manifestPath + ": " + problem);

    std::string archive = ReadWhole(imagePath);
    PayloadDirectory directory;
    directory.shortcuts = manifest.shortcuts;
    directory.folders = manifest.folders;
    bool uninstallerWritten = false;
    for (const ManifestFile& file : manifest.files) {
        std::string data;
        if (file.uninstaller) {
            data = FinishedUninstaller(manifest, file);
            if (!uninstallerOut.empty()) WriteWhole(uninstallerOut, data);
            uninstallerWritten = true;
        } else {
            data = ReadWhole(file.source);
        }
        uint32_t offset = ArchiveOffset(archive.size());
        archive += data;
        ArchiveOffset(archive.size());
        directory.entries.push_back({offset, static_cast<uint32_t>(data.size()), file.flags, file.name});
        directory.totalDataBytes += static_cast<uint32_t>(data.size());
    }
    if (!uninstallerOut.empty() && !uninstallerWritten)
        throw PackError("--uninstaller-out given, but the manifest names no uninstaller");
    WriteWhole(outPath, Append(archive, WritePayloadDirectory(directory, ArchiveOffset(archive.size()))));
    if (!depfile.empty()) {
        std::vector<std::string> inputs{imagePath, manifestPath};
        for (const ManifestFile& file : manifest.files) inputs.push_back(file.source);
        WriteWhole(depfile, DependencyLine(outPath, inputs));
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string image, manifest, out, uninstallerOut, depfile;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        std::string* value = option == "--image"             ? &image
                             : option == "--manifest"        ? &manifest
                             : option == "--out"             ? &out
                             : option == "--uninstaller-out" ? &uninstallerOut
                             : option == "--depfile"         ? &depfile
                                                             : nullptr;
        if (!value || i + 1 == argc) {
            std::fprintf(stderr, "brivel-pack: unknown option or missing value: %s\n", option.c_str());
            return 2;
        }
        *value = argv[++i];
    }
    if (image.empty() || manifest.empty() || out.empty()) {
        std::fprintf(stderr,
                     "usage: brivel-pack --image <program> --manifest <file> --out <installer> "
                     "[--uninstaller-out <file>] [--depfile <file>]\n");
        return 2;
    }
    try {
        Pack(image, manifest, out, uninstallerOut, depfile);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brivel-pack: %s\n", error.what());
        return 1;
    }
    return 0;
}
