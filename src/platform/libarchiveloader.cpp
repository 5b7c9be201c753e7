// libarchive is loaded on the first call into it, not at start-up: only a
// hand-in reads archives back, and the library brings several others with
// it (libxml2, nettle, bz2, acl, ...). The functions the platform calls are
// defined here and forward to the library, which is opened once, on first
// use. Where it cannot be opened, each gives what libarchive itself gives
// on failure (no archive object, ARCHIVE_FATAL, an error text that says
// so), so that a reading fails with a reason instead of the program not
// starting at all.
#include <archive.h>
#include <archive_entry.h>

#include <dlfcn.h>

#ifndef CORVANTH_LIBARCHIVE_SONAME
#define CORVANTH_LIBARCHIVE_SONAME "libarchive.so.13"
#endif

namespace {

void* library()
{
    static void* const handle = ::dlopen(CORVANTH_LIBARCHIVE_SONAME, RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <class F>
F resolve(const char* name)
{
    void* const h = library();
    return h ? reinterpret_cast<F>(::dlsym(h, name)) : nullptr;
}

constexpr const char* kNotLoaded = "无法加载压缩库 " CORVANTH_LIBARCHIVE_SONAME;

}  // namespace

// One forwarding definition: return type, name, parameters, arguments, and
// the result when the library is not there.
#define CORVANTH_FORWARD(ret, name, params, args, fallback)                   \
    extern "C" ret name params                                                \
    {                                                                         \
        static const auto real = resolve<decltype(&::name)>(#name);           \
        return real ? real args : fallback;                                   \
    }

CORVANTH_FORWARD(struct archive*, archive_read_new, (void), (), nullptr)
CORVANTH_FORWARD(int, archive_read_free, (struct archive* a), (a), a ? ARCHIVE_FATAL : ARCHIVE_OK)
CORVANTH_FORWARD(int, archive_read_support_format_all, (struct archive* a), (a), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_support_filter_all, (struct archive* a), (a), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_set_options, (struct archive* a, const char* o), (a, o), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_open_filename, (struct archive* a, const char* f, size_t b), (a, f, b), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_open_fd, (struct archive* a, int fd, size_t b), (a, fd, b), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_next_header, (struct archive* a, struct archive_entry** e), (a, e), ARCHIVE_FATAL)
CORVANTH_FORWARD(la_ssize_t, archive_read_data, (struct archive* a, void* b, size_t n), (a, b, n), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_data_block, (struct archive* a, const void** b, size_t* n, la_int64_t* o), (a, b, n, o),
                 ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_data_skip, (struct archive* a), (a), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_read_has_encrypted_entries, (struct archive* a), (a), ARCHIVE_FATAL)
CORVANTH_FORWARD(const char*, archive_error_string, (struct archive* a), (a), kNotLoaded)
CORVANTH_FORWARD(int, archive_errno, (struct archive* a), (a), 0)
CORVANTH_FORWARD(const char*, archive_entry_pathname, (struct archive_entry* e), (e), nullptr)
CORVANTH_FORWARD(const char*, archive_entry_pathname_utf8, (struct archive_entry* e), (e), nullptr)
CORVANTH_FORWARD(mode_t, archive_entry_filetype, (struct archive_entry* e), (e), 0)
CORVANTH_FORWARD(mode_t, archive_entry_mode, (struct archive_entry* e), (e), 0)
CORVANTH_FORWARD(la_int64_t, archive_entry_size, (struct archive_entry* e), (e), 0)
CORVANTH_FORWARD(int, archive_entry_size_is_set, (struct archive_entry* e), (e), 0)
CORVANTH_FORWARD(int, archive_entry_is_encrypted, (struct archive_entry* e), (e), 0)
CORVANTH_FORWARD(time_t, archive_entry_mtime, (struct archive_entry* e), (e), 0)

// Formats the readers accept (a hand-in archive is a ZIP, an earlier one
// may be any of these), and the writer that copies an archive without some
// of its entries.
#define CORVANTH_FORWARD_FORMAT(name) CORVANTH_FORWARD(int, name, (struct archive* a), (a), ARCHIVE_FATAL)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_zip_seekable)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_7zip)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_rar)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_rar5)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_tar)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_cpio)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_cab)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_lha)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_iso9660)
CORVANTH_FORWARD_FORMAT(archive_read_support_format_xar)
CORVANTH_FORWARD_FORMAT(archive_write_set_format_zip)
CORVANTH_FORWARD_FORMAT(archive_write_close)
CORVANTH_FORWARD(struct archive*, archive_write_new, (void), (), nullptr)
CORVANTH_FORWARD(int, archive_write_free, (struct archive* a), (a), a ? ARCHIVE_FATAL : ARCHIVE_OK)
CORVANTH_FORWARD(int, archive_write_set_options, (struct archive* a, const char* o), (a, o), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_write_open_filename, (struct archive* a, const char* f), (a, f), ARCHIVE_FATAL)
CORVANTH_FORWARD(int, archive_write_header, (struct archive* a, struct archive_entry* e), (a, e), ARCHIVE_FATAL)
CORVANTH_FORWARD(la_ssize_t, archive_write_data, (struct archive* a, const void* b, size_t n), (a, b, n), ARCHIVE_FATAL)
