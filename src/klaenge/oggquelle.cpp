#include "klaenge/oggquelle.h"

#include <QFile>

#include <algorithm>

#include <vorbis/vorbisfile.h>

struct OggQuelle::Datei {
    OggVorbis_File vf{};
    ~Datei() { ov_clear(&vf); }
};

OggQuelle::OggQuelle() = default;

OggQuelle::~OggQuelle() { OggQuelle::close(); }

bool OggQuelle::oeffnen(const QString& datei) {
    close();
    auto neu = std::make_unique<Datei>();
    // ov_fopen closes the file itself when it is not Ogg Vorbis.
    if (ov_fopen(QFile::encodeName(datei).constData(), &neu->vf) != 0) return false;
    const vorbis_info* info = ov_info(&neu->vf, -1);
    if (!info || info->channels < 1 || info->rate < 1) return false;
    kanaele_ = info->channels;
    rate_ = int(info->rate);
    datei_ = std::move(neu);
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void OggQuelle::close() {
    datei_.reset();
    kanaele_ = rate_ = 0;
    ende_ = fehler_ = false;
    if (isOpen()) QIODevice::close();
}

qint64 OggQuelle::readData(char* ziel, qint64 hoechstens) {
    if (!datei_ || ende_ || fehler_) return 0;
    // Whole frames only: the sink asks for multiples of a frame, and a frame
    // split between two reads would swap the channels.
    const qint64 rahmen = 2 * qint64(kanaele_);
    hoechstens -= hoechstens % rahmen;
    qint64 gelesen = 0;
    while (gelesen < hoechstens) {
        int abschnitt = 0;
        const int bis = int(std::min<qint64>(hoechstens - gelesen, 1 << 16));
        const long n = ov_read(&datei_->vf, ziel + gelesen, bis, 0 /* little-endian */, 2, 1, &abschnitt);
        if (n == OV_HOLE) continue;  // a gap in the stream: go on after it
        if (n < 0) {
            fehler_ = true;
            break;
        }
        if (n == 0) {
            ende_ = true;
            break;
        }
        gelesen += n;
    }
    return gelesen;
}
