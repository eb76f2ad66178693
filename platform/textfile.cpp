#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexarion {

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

FileContents::FileContents() = default;
FileContents::FileContents(FileContents&&) noexcept = default;
FileContents& FileContents::operator=(FileContents&&) noexcept = default;
// The bytes may point into the mapping: let them go before the file is unmapped and closed.
FileContents::~FileContents() {
    bytes_ = QByteArray();
}

std::optional<FileContents> FileContents::Open(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return std::nullopt;
    FileContents contents;
    const qint64 size = file->size();
    if (size > 0) {
        if (const uchar* mapped = file->map(0, size)) {
            contents.bytes_ =
                QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size));
            contents.file_ = std::move(file);
            return contents;
        }
    }
    contents.bytes_ = file->readAll();
    if (file->error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
}

bool IsOrdinaryFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

TextLines DecodeLines(QByteArrayView bytes) {
    TextLines result;
    result.encoding = DetectEncoding(bytes);
    if (result.encoding == TextEncoding::Utf8Bom)
        bytes = bytes.sliced(3);
    const TextEncoding encoding =
        result.encoding == TextEncoding::Utf8Bom ? TextEncoding::Utf8 : result.encoding;
    // Decoded a few megabytes at a time, each piece ending after a line break (neither encoding
    // uses the bytes CR and LF inside a character): far faster than one call per line, and a
    // large file never needs its whole decoded text beside its lines. A CR LF split between two
    // pieces still ends one line only.
    constexpr qsizetype Piece = qsizetype(4) << 20;
    bool skipLf = false;
    while (!bytes.isEmpty()) {
        qsizetype cut = bytes.size();
        if (cut > Piece) {
            cut = Piece;
            while (cut < bytes.size() && bytes[cut - 1] != '\n' && bytes[cut - 1] != '\r')
                ++cut;
        }
        const QString text = DecodeText(bytes.first(cut), encoding);
        bytes = bytes.sliced(cut);
        const QChar* p = text.constData();
        const QChar* end = p + text.size();
        if (skipLf && p < end && *p == u'\n')
            ++p;
        skipLf = false;
        while (p < end) {
            const QChar* q = p;
            while (q < end && *q != u'\n' && *q != u'\r')
                ++q;
            result.lines.append(QString(p, q - p));
            if (q < end && *q == u'\r' && q + 1 < end && q[1] == u'\n')
                q += 2;
            else if (q < end) {
                skipLf = *q == u'\r' && q + 1 == end; // its LF may open the next piece
                ++q;
            }
            p = q;
        }
    }
    return result;
}

QByteArray EncodeLines(const QStringList& lines, TextEncoding encoding) {
    QByteArray out;
    if (encoding == TextEncoding::Utf8Bom)
        out.append("\xEF\xBB\xBF");
    for (const QString& line : lines) {
        out.append(EncodeText(line, encoding));
        out.append("\r\n");
    }
    return out;
}

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Reset(-1); }
    int Get() const { return fd_; }
    void Reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return ::fsync(fd) == 0;
}

} // namespace

QString SaveTempPath(const QString& path) {
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".saving");
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // A link is followed, so that the file it points to is replaced and the link stays.
    QString target = path;
    if (const QFileInfo link(path); link.isSymLink())
        target = link.symLinkTarget();
    const QFileInfo info(target);
    if (info.isDir() || info.fileName().isEmpty())
        return false;
    const QByteArray folder = QFile::encodeName(info.path());
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temp = QFile::encodeName(QFileInfo(SaveTempPath(target)).fileName());

    Descriptor dir(::open(folder.constData(), O_DIRECTORY | O_RDONLY | O_CLOEXEC));
    if (dir.Get() < 0)
        return false;
    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    const bool replacing = ::fstatat(dir.Get(), name.constData(), &old, 0) == 0;
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;

    // The new contents go into a file without a name, which a crash while writing leaves no
    // trace of; only once they are on the disk does the file get a name for the moment of the
    // rename. A name left by a crash in that moment is taken over by the next save.
    bool named = false;
    {
        Descriptor file(::openat(dir.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        if (file.Get() >= 0) {
            if ((replacing && ::fchmod(file.Get(), mode) != 0) || !WriteAll(file.Get(), bytes))
                return false;
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.Get());
            ::unlinkat(dir.Get(), temp.constData(), 0);
            named = ::linkat(AT_FDCWD, self.constData(), dir.Get(), temp.constData(),
                             AT_SYMLINK_FOLLOW) == 0;
        }
    }
    // Where the file system has no unnamed files (or /proc is missing), a named one from the start.
    if (!named) {
        ::unlinkat(dir.Get(), temp.constData(), 0);
        Descriptor file(
            ::openat(dir.Get(), temp.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
        if (file.Get() < 0)
            return false;
        if ((replacing && ::fchmod(file.Get(), mode) != 0) || !WriteAll(file.Get(), bytes)) {
            ::unlinkat(dir.Get(), temp.constData(), 0);
            return false;
        }
    }
    if (::renameat(dir.Get(), temp.constData(), dir.Get(), name.constData()) != 0) {
        ::unlinkat(dir.Get(), temp.constData(), 0);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    ::fsync(dir.Get());
    return true;
}

qsizetype MaxFileNameLength(const QString& folder) {
    const long max = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? qsizetype(max) : 255;
}

bool CreateEmptyFile(const QString& path) {
    if (QFileInfo::exists(path))
        return QFileInfo(path).isFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.close();
    return true;
}

QString ResolveCaseInsensitive(const QString& base, const QString& relative) {
    QString path = base;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    bool searching = true;
    for (const QString& part : parts) {
        QString name = part;
        if (searching) {
            const QString exact = path + u'/' + part;
            if (!QFileInfo::exists(exact)) {
                const QDir dir(path);
                searching = false;
                if (dir.exists()) {
                    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                              QDir::System | QDir::NoDotAndDotDot);
                    for (const QString& entry : entries) {
                        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                            name = entry;
                            searching = true;
                            break;
                        }
                    }
                }
            }
        }
        path += u'/' + name;
    }
    if (relative.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace lexarion

namespace lexarion {

namespace {

// The encoding a rewrite keeps: that of the file now at `path`, or GB18030.
TextEncoding ExistingEncoding(const std::optional<QByteArray>& bytes) {
    return bytes ? DetectEncoding(*bytes) : TextEncoding::Gb18030;
}

} // namespace

bool RewriteTextFile(const QString& path, const QStringList& lines) {
    const std::optional<QByteArray> old = ReadFileBytes(path);
    if (!old && QFileInfo::exists(path))
        return false;
    return WriteFileAtomically(path, EncodeLines(lines, ExistingEncoding(old)));
}

bool AppendLineToTextFile(const QString& path, const QString& line) {
    std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) {
        if (QFileInfo::exists(path))
            return false;
        bytes = QByteArray();
    }
    const TextEncoding encoding = ExistingEncoding(bytes);
    QByteArray out = std::move(*bytes);
    const bool onlyBom = encoding == TextEncoding::Utf8Bom && out.size() == 3;
    if (!out.isEmpty() && !onlyBom && !out.endsWith('\n') && !out.endsWith('\r'))
        out += "\r\n";
    out += EncodeText(line, encoding);
    out += "\r\n";
    return WriteFileAtomically(path, out);
}

} // namespace lexarion
