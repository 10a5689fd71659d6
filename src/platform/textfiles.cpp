#include "platform/textfiles.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace tarnwick {

namespace {

constexpr std::size_t readAhead = 16 * 1024;
constexpr int endOfFile = -1;

bool endsWith(const std::string& name, const std::string& tail) {
    return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::size_t readCapFor(const std::string& fileName) {
    if (endsWith(fileName, ".pt")) return patternFileCap;
    if (endsWith(fileName, ".pat") || endsWith(fileName, ".3d-pat") || endsWith(fileName, ".3d-pipe-pat"))
        return patternSetCap;
    return mazefileCap;
}

int TextFiles::Slot::get() {
    const int c = peek();
    if (c != endOfFile) ++start;
    return c;
}

int TextFiles::Slot::peek() {
    if (start == end) {
        if (left == 0) return endOfFile;
        ssize_t n;
        do n = ::read(file.fd(), buffer.get(), std::min(readAhead, left));
        while (n < 0 && errno == EINTR);
        if (n <= 0) {
            left = 0;
            return endOfFile;
        }
        start = 0;
        end = static_cast<std::size_t>(n);
        left -= end;
    }
    return static_cast<unsigned char>(buffer[start]);
}

void TextFiles::Slot::skipByteOrderMark() {
    if (peek() == endOfFile) return;
    const std::string_view ahead(buffer.get() + start, end - start);
    start += ahead.size() - withoutByteOrderMark(ahead).size();
}

TextFiles::~TextFiles() { closeAll(); }

void TextFiles::serveFromMemory(const std::string& fileName, std::string fallback) {
    copies_[fileName].fallback = std::move(fallback);
}

TextFiles::Slot* TextFiles::slot(int number) {
    if (number < 1 || number > count) return nullptr;
    return &slots_[static_cast<std::size_t>(number)];
}

TextFiles::Copy* TextFiles::copyOf(const std::string& fileName) {
    const auto it = copies_.find(fileName);
    return it == copies_.end() ? nullptr : &it->second;
}

// Opens the file itself; the slot is left as it is when that fails.
static bool openOnDisk(FileHandle& file, std::string& temporary, const std::string& fileName, FileMode mode) {
    switch (mode) {
        case FileMode::Input: file = openRegularForReading(fileName); break;
        // Refused here as it would be at the end, before anything is written.
        case FileMode::Output: file = openReplacement(fileName, temporary); break;
        case FileMode::Append: file = openReplacementWithContent(fileName, temporary); break;
        case FileMode::Create: file = createNewFile(fileName); break;
    }
    return static_cast<bool>(file);
}

bool TextFiles::open(int number, const std::string& fileName, FileMode mode) {
    Slot* s = slot(number);
    if (!s) return false;
    close(number);
    s->mode = mode;
    if (Copy* copy = copyOf(fileName)) return openServed(*s, *copy, fileName, mode);
    if (!openOnDisk(s->file, s->temporary, fileName, mode)) {
        *s = Slot{};
        return false;
    }
    if (mode == FileMode::Output || mode == FileMode::Append) s->name = fileName;
    if (mode == FileMode::Input) {
        s->buffer = std::make_unique<char[]>(readAhead);
        s->left = readCapFor(fileName);
        s->skipByteOrderMark();
    }
    return true;
}

bool TextFiles::openServed(Slot& s, Copy& copy, const std::string& fileName, FileMode mode) {
    if (mode != FileMode::Output && mode != FileMode::Create && !copy.text) {
        if (auto bytes = readRegularFileStart(fileName, readCapFor(fileName))) {
            copy.text = std::move(*bytes);
        } else if (nameIsFree(fileName)) {
            if (mode == FileMode::Input) {
                s = Slot{};
                return false;
            }
            copy.text.emplace();
        } else {
            copy.text = copy.fallback;
        }
    }
    if (mode == FileMode::Input) {
        if (!copy.values)
            copy.values = std::make_shared<const std::vector<ReadValue>>(
                readValues(std::string_view(*copy.text).substr(0, readCapFor(fileName))));
        s.served = copy.values;
        return true;
    }
    if (mode != FileMode::Append) copy.text.emplace();
    copy.values.reset();
    s.copy = &copy;
    s.failed = !openOnDisk(s.file, s.temporary, fileName, mode);
    if (mode == FileMode::Output || mode == FileMode::Append) s.name = fileName;
    return !s.failed;
}

std::string TextFiles::openTemporary(int number, const std::string& target, FileHandle& lock) {
    Slot* s = slot(number);
    if (!s) return {};
    close(number);
    std::string name;
    FileHandle file = openReplacement(target, name);
    if (!file) return {};
    lock = shareLock(file);
    s->file = std::move(file);
    s->mode = FileMode::Create;
    s->temporary = name;
    s->name = target;
    return name;
}

// The program's own pattern files are written again whenever needed; every
// other file is a save of the user's and reaches the disk before its name.
static Flush flushFor(const std::string& fileName) { return endsWith(fileName, ".pt") ? Flush::No : Flush::Yes; }

// A served file whose write reached its name is taken from the file again at
// its next read; after a failed write the copy keeps what the program wrote.
bool TextFiles::finish(Slot& s) {
    if (s.mode == FileMode::Input) return true;
    bool written = s.file && !s.failed;
    if (s.temporary.empty()) {
        written = s.file.close() && written;
    } else if (s.mode == FileMode::Create) {
        // A temporary of openTemporary is moved in by whoever asked for it.
        written = written && readyToReplace(s.file.fd(), s.name, flushFor(s.name));
        written = s.file.close() && written;
    } else {
        written = finishReplacement(s.file, s.temporary, s.name, written, flushFor(s.name));
    }
    if (s.copy && written) {
        s.copy->text.reset();
        s.copy->values.reset();
    }
    return written;
}

bool TextFiles::close(int number) {
    Slot* s = slot(number);
    if (!s) return true;
    const bool written = finish(*s);
    *s = Slot{};
    return written;
}

void TextFiles::closeAll() {
    for (int n = 1; n <= count; ++n) close(n);
}

bool TextFiles::isOpen(int number) const {
    if (number < 1 || number > count) return false;
    const Slot& s = slots_[static_cast<std::size_t>(number)];
    return s.file || s.served || s.copy;
}

bool TextFiles::writeLine(int number, const std::vector<FileValue>& values) {
    Slot* s = slot(number);
    if (!s || s->mode == FileMode::Input || (!s->file && !s->copy)) return false;
    const std::string line = formatLine(values);
    if (s->copy) {
        *s->copy->text += line;
        s->copy->values.reset();
    }
    // Written at once: a write that fails is known at the line that met it.
    const bool written = s->file && writeAll(s->file.fd(), line.data(), line.size());
    if (!written) s->failed = true;
    return written;
}

ReadValue TextFiles::read(int number) {
    Slot* s = slot(number);
    if (s && s->served) {
        if (s->next < s->served->size()) return (*s->served)[s->next++];
        return ReadValue{.atEnd = true};
    }
    if (!s || !s->file || s->mode != FileMode::Input) return ReadValue{.atEnd = true};
    return readValue(*s, s->afterComma);
}

}  // namespace tarnwick
