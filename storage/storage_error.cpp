#include "storage/storage_error.h"

#include <cerrno>

namespace ampera {

namespace {

const char* describe(int code) {
    switch (code) {
    case EPERM: return "Операция не позволена";
    case ENOENT: return "Нет такого файла или каталога";
    case EIO: return "Ошибка ввода-вывода";
    case EBADF: return "Неправильный дескриптор файла";
    case ENOMEM: return "Недостаточно памяти";
    case EACCES: return "Отказано в доступе";
    case EAGAIN: return "Ресурс временно недоступен";
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK: return "Ресурс временно недоступен";
#endif
    case EBUSY: return "Устройство или ресурс занято";
    case EEXIST: return "Файл существует";
    case EXDEV: return "Неверная ссылка между устройствами";
    case ENOTDIR: return "Это не каталог";
    case EISDIR: return "Это каталог";
    case EINVAL: return "Недопустимый аргумент";
    case ENFILE: return "Слишком много открытых файлов в системе";
    case EMFILE: return "Слишком много открытых файлов";
    case ETXTBSY: return "Текстовый файл занят";
    case EFBIG: return "Файл слишком велик";
    case ENOSPC: return "На устройстве не осталось свободного места";
    case EROFS: return "Файловая система доступна только для чтения";
    case ENAMETOOLONG: return "Слишком длинное имя файла";
    case ELOOP: return "Слишком много уровней символьных ссылок";
    case kNoLibraryError: return "Нет доступа к требуемой разделяемой библиотеке";
#ifdef EDQUOT
    case EDQUOT: return "Превышена дисковая квота";
#endif
    default: return nullptr;
    }
}

}  // namespace

StorageError storageErrorFromErrno(int code) {
    const char* text = describe(code);
    return StorageError{code, text ? std::string(text) : "Неизвестная ошибка " + std::to_string(code)};
}

std::string storageErrorMessage(const StorageError& error) {
    return "Ошибка: <" + std::to_string(error.code) + "> - " + error.description;
}

}  // namespace ampera
