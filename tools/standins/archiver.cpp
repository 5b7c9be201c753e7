// Stand-in for the archiver "Rar.exe": packs a folder into a ZIP archive.
//
//   Rar.exe a <archive> <folder>   add the folder (under its own name) to the archive
//   Rar.exe m <archive> <folder>   the same, then remove the folder's files
//
// Entry names are "<folder name>/<relative path>" in UTF-8 with the ZIP
// UTF-8 flag set (a name in GBK bytes is stored as the name it shows; a "\"
// in a name stays as it is). An existing archive keeps its entries, except those the
// folder replaces. The archive is written under a temporary name beside it
// and renamed into place only when complete, so a failure leaves any
// earlier archive as it was. Exit code 0 on success, non-zero on any failure
// (bad command line, unreadable file, write error, full disk).
#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <iconv.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 1 << 20;

// libarchive may give no text with a failure.
std::string errorText(archive* a)
{
    const char* t = archive_error_string(a);
    return t ? t : "unknown error";
}

// A file name as an entry name in UTF-8: names in other bytes (a GBK name
// unpacked from a Windows archive) are read as code page 936, as Windows
// shows them; bytes that are neither are kept as "%XX".
std::string nameText(const std::string& raw)
{
    iconv_t check = iconv_open("UTF-8", "UTF-8");
    auto convert = [](iconv_t cd, const std::string& in, std::string& out) {
        if (cd == reinterpret_cast<iconv_t>(-1)) return false;
        std::string src = in;
        out.assign(in.size() * 4 + 4, '\0');
        char* ip = src.data();
        size_t il = src.size();
        char* op = out.data();
        size_t ol = out.size();
        const bool ok = iconv(cd, &ip, &il, &op, &ol) != size_t(-1) && il == 0;
        out.resize(out.size() - ol);
        return ok;
    };
    std::string out;
    const bool utf8 = convert(check, raw, out);
    if (check != reinterpret_cast<iconv_t>(-1)) iconv_close(check);
    if (utf8) return raw;
    iconv_t gbk = iconv_open("UTF-8", "GBK");
    const bool fromGbk = convert(gbk, raw, out);
    if (gbk != reinterpret_cast<iconv_t>(-1)) iconv_close(gbk);
    if (fromGbk) return out;
    std::string kept;
    for (unsigned char c : raw) {
        if (c < 0x80) {
            kept += char(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            kept += hex;
        }
    }
    return kept;
}

// A relative path as an entry name, each part read on its own: a folder of
// a UTF-8 name keeps it whatever the names of what was unpacked into it.
std::string entryText(const std::string& rel)
{
    std::string out;
    size_t from = 0;
    for (;;) {
        const size_t slash = rel.find('/', from);
        out += nameText(rel.substr(from, slash == std::string::npos ? std::string::npos : slash - from));
        if (slash == std::string::npos) return out;
        out += '/';
        from = slash + 1;
    }
}

int fail(const std::string& what)
{
    std::fprintf(stderr, "Rar.exe: %s\n", what.c_str());
    return 2;
}

// Platform paths may come with backslashes; the host takes slashes.
std::string hostPath(std::string p)
{
    std::replace(p.begin(), p.end(), '\\', '/');
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

struct Item {
    fs::path host;     // file or folder on disk
    std::string name;  // entry name
    bool dir;
};

bool collect(const fs::path& root, const std::string& rootName, std::vector<Item>& out, std::string& err)
{
    out.push_back({root, rootName + "/", true});
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
    if (ec) {
        err = "cannot read " + root.string() + ": " + ec.message();
        return false;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) {
            err = "cannot read " + root.string() + ": " + ec.message();
            return false;
        }
        const fs::path p = it->path();
        // The iterator's paths all start with the root and a separator.
        const std::string rel = p.generic_string().substr(root.generic_string().size() + 1);
        const bool dir = it->is_directory(ec) && !it->is_symlink();
        if (!dir && !it->is_regular_file(ec)) continue;  // sockets, devices: not archived
        out.push_back({p, rootName + "/" + entryText(rel) + (dir ? "/" : ""), dir});
    }
    std::sort(out.begin(), out.end(), [](const Item& a, const Item& b) { return a.name < b.name; });
    return true;
}

bool writeFileEntry(archive* a, const Item& item, std::string& err, std::vector<char>& buf)
{
    struct stat st{};
    const int fd = ::open(item.host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        err = "cannot open " + item.host.string() + ": " + std::strerror(errno);
        if (fd >= 0) ::close(fd);
        return false;
    }
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname_utf8(e, item.name.c_str());
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_perm(e, 0644);
    archive_entry_set_size(e, st.st_size);
    archive_entry_set_mtime(e, st.st_mtime, 0);
    bool ok = archive_write_header(a, e) == ARCHIVE_OK;
    if (!ok) err = std::string("cannot add ") + item.name + ": " + errorText(a);
    int64_t done = 0;
    while (ok) {
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        if (n < 0) {
            err = "cannot read " + item.host.string() + ": " + std::strerror(errno);
            ok = false;
        } else if (n == 0) {
            break;
        } else if (archive_write_data(a, buf.data(), static_cast<size_t>(n)) != n) {
            err = std::string("cannot write ") + item.name + ": " + errorText(a);
            ok = false;
        } else {
            done += n;
        }
    }
    if (ok && done != st.st_size) {
        err = "file changed while packing: " + item.host.string();
        ok = false;
    }
    archive_entry_free(e);
    ::close(fd);
    return ok;
}

bool writeDirEntry(archive* a, const Item& item, std::string& err)
{
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname_utf8(e, item.name.c_str());
    archive_entry_set_filetype(e, AE_IFDIR);
    archive_entry_set_perm(e, 0755);
    const bool ok = archive_write_header(a, e) == ARCHIVE_OK;
    if (!ok) err = std::string("cannot add ") + item.name + ": " + errorText(a);
    archive_entry_free(e);
    return ok;
}

// Copies the entries of an earlier archive that the new items do not replace.
bool copyOldEntries(archive* out, const fs::path& old, const std::set<std::string>& replaced, std::string& err,
                    std::vector<char>& buf)
{
    archive* in = archive_read_new();
    archive_read_support_format_all(in);
    archive_read_support_filter_all(in);
    archive_read_set_options(in, "hdrcharset=UTF-8");
    if (archive_read_open_filename(in, old.c_str(), kChunk) != ARCHIVE_OK) {
        err = "cannot read the existing archive: " + std::string(errorText(in));
        archive_read_free(in);
        return false;
    }
    bool ok = true;
    archive_entry* e = nullptr;
    int r;
    while (ok && (r = archive_read_next_header(in, &e)) == ARCHIVE_OK) {
        const char* n8 = archive_entry_pathname_utf8(e);
        const std::string name = n8 ? n8 : (archive_entry_pathname(e) ? archive_entry_pathname(e) : "");
        if (replaced.count(name)) continue;
        archive_entry_set_pathname_utf8(e, name.c_str());
        if (archive_write_header(out, e) != ARCHIVE_OK) {
            err = std::string("cannot copy ") + name + ": " + errorText(out);
            ok = false;
            break;
        }
        for (;;) {
            const la_ssize_t n = archive_read_data(in, buf.data(), buf.size());
            if (n < 0) {
                err = std::string("cannot read ") + name + " of the existing archive";
                ok = false;
                break;
            }
            if (n == 0) break;
            if (archive_write_data(out, buf.data(), static_cast<size_t>(n)) != n) {
                err = std::string("cannot write ") + name + ": " + errorText(out);
                ok = false;
                break;
            }
        }
    }
    if (ok && r != ARCHIVE_EOF) {
        err = "the existing archive is damaged: " + std::string(errorText(in));
        ok = false;
    }
    archive_read_free(in);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C.UTF-8");
    // Every entry sets up and frees its compressor; keep that memory instead
    // of handing it back to the system after each file.
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
    if (argc != 4) return fail("usage: Rar.exe a|m <archive> <folder>");
    const std::string cmd = argv[1];
    if (cmd != "a" && cmd != "m" && cmd != "A" && cmd != "M") return fail("unknown command " + cmd);
    const bool move = cmd == "m" || cmd == "M";
    const fs::path archivePath = hostPath(argv[2]);
    const fs::path folder = hostPath(argv[3]);

    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return fail("no such folder: " + folder.string());
    const std::string rootName = folder.filename().string();
    if (rootName.empty()) return fail("the folder has no name: " + folder.string());

    std::vector<Item> items;
    std::string err;
    if (!collect(folder, rootName, items, err)) return fail(err);
    std::set<std::string> names;
    for (const Item& i : items) names.insert(i.name);

    const fs::path tmp = archivePath.string() + ".part";
    fs::remove(tmp, ec);
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_set_options(a, "zip:hdrcharset=UTF-8");
    std::vector<char> buf(kChunk);
    bool ok = archive_write_open_filename(a, tmp.c_str()) == ARCHIVE_OK;
    if (!ok) err = std::string("cannot create ") + tmp.string() + ": " + errorText(a);
    if (ok && fs::exists(archivePath, ec)) ok = copyOldEntries(a, archivePath, names, err, buf);
    for (size_t i = 0; ok && i < items.size(); ++i)
        ok = items[i].dir ? writeDirEntry(a, items[i], err) : writeFileEntry(a, items[i], err, buf);
    if (archive_write_close(a) != ARCHIVE_OK && ok) {
        err = std::string("cannot finish ") + tmp.string() + ": " + errorText(a);
        ok = false;
    }
    archive_write_free(a);
    if (ok) {
        fs::rename(tmp, archivePath, ec);
        if (ec) {
            err = "cannot name the archive " + archivePath.string() + ": " + ec.message();
            ok = false;
        }
    }
    if (!ok) {
        fs::remove(tmp, ec);
        return fail(err);
    }

    if (move) {
        // Files first, then the emptied folders, deepest first.
        for (const Item& i : items)
            if (!i.dir && !fs::remove(i.host, ec)) return fail("packed, but cannot remove " + i.host.string());
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            if (it->dir && !fs::remove(it->host, ec)) return fail("packed, but cannot remove " + it->host.string());
    }
    return 0;
}
