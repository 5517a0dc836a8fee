#include "OggVorbisWriter.h"

#include "PcmBuffer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velko::sounds {

namespace {

bool writePage(std::FILE* file, const ogg_page& page)
{
    return std::fwrite(page.header, 1, page.header_len, file) == static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, file) == static_cast<std::size_t>(page.body_len);
}

}   // namespace

bool writeOggVorbis(const std::string& path, const std::vector<float>& samples, float quality)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, quality) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "velko make-sounds");

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);

    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x56454c4b);

    bool ok = true;
    {
        ogg_packet identification, commentPacket, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &identification, &commentPacket, &codebooks);
        ogg_stream_packetin(&stream, &identification);
        ogg_stream_packetin(&stream, &commentPacket);
        ogg_stream_packetin(&stream, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream, &page) != 0)
            ok = ok && writePage(file, page);
    }

    constexpr std::size_t kChunk = 4096;
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t count = std::min(kChunk, samples.size() - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            std::memcpy(buffer[0], samples.data() + done, count * sizeof(float));
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok = ok && writePage(file, page);
                    if (ogg_page_eos(&page))
                        ended = true;
                }
            }
        }
        if (count == 0)
            ended = true;
    }
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        ok = ok && writePage(file, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0 && ok;
}

}   // namespace velko::sounds
