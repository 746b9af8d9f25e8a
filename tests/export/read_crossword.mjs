// Opens a crossword file with the xword-parser package and prints what it found, one fact a
// line, for the export tests to compare: "size W H", one "row" line per grid row ('#' a black
// square, '?' a square without a solution, else the solution), "number N C R" per numbered
// square (from 1), "across N TEXT" and "down N TEXT" per clue, "title T", and for a .puz file
// "checksums ok" or "checksums bad": the reader does not check them, so this script does.
// usage: node read_crossword.mjs PARSER_DIR FILE
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [parserDir, file] = process.argv.slice(2);
const entry = join(parserDir, 'node_modules', '@xwordly', 'xword-parser', 'dist', 'index.mjs');
const { parse } = await import(pathToFileURL(entry).href);

// The .puz checksum: rotate right by one bit, add the byte.
function checksum(bytes, sum) {
    for (const byte of bytes) {
        sum = sum & 1 ? (sum >> 1) + 0x8000 : sum >> 1;
        sum = (sum + byte) & 0xffff;
    }
    return sum;
}

function puzChecksumsRight(buffer) {
    const width = buffer[0x2c];
    const height = buffer[0x2d];
    const clueCount = buffer.readUInt16LE(0x2e);
    const solution = buffer.subarray(0x34, 0x34 + width * height);
    const fill = buffer.subarray(0x34 + width * height, 0x34 + 2 * width * height);
    let at = 0x34 + 2 * width * height;
    const nextString = () => {
        const end = buffer.indexOf(0, at);
        const text = buffer.subarray(at, end);
        at = end + 1;
        return text;
    };
    const [title, author, copyright] = [nextString(), nextString(), nextString()];
    const clues = Array.from({ length: clueCount }, nextString);
    const notes = nextString();
    const withNul = (text) => Buffer.concat([text, Buffer.from([0])]);
    const texts = (sum) => {
        for (const text of [title, author, copyright]) if (text.length) sum = checksum(withNul(text), sum);
        for (const clue of clues) sum = checksum(clue, sum);
        if (notes.length) sum = checksum(withNul(notes), sum);
        return sum;
    };
    const header = checksum(buffer.subarray(0x2c, 0x34), 0);
    const parts = [header, checksum(solution, 0), checksum(fill, 0), texts(0)];
    const masked = parts.every((part, i) => buffer[0x10 + i] === ('ICHE'.charCodeAt(i) ^ (part & 0xff))
        && buffer[0x14 + i] === ('ATED'.charCodeAt(i) ^ (part >> 8)));
    return buffer.readUInt16LE(0x0e) === header && masked
        && buffer.readUInt16LE(0) === texts(checksum(fill, checksum(solution, header)));
}

const data = readFileSync(file);
const puzzle = parse(file.endsWith('.puz') ? data : data.toString('utf-8'), { filename: file });
const lines = [`size ${puzzle.grid.width} ${puzzle.grid.height}`];
const numbers = [];
puzzle.grid.cells.forEach((row, r) => {
    lines.push('row ' + row.map((cell) => (cell.isBlack ? '#' : (cell.solution ?? '?'))).join(''));
    row.forEach((cell, c) => {
        if (cell.number) numbers.push(`number ${cell.number} ${c + 1} ${r + 1}`);
    });
});
lines.push(...numbers);
for (const clue of puzzle.clues.across) lines.push(`across ${clue.number} ${clue.text}`);
for (const clue of puzzle.clues.down) lines.push(`down ${clue.number} ${clue.text}`);
lines.push(`title ${puzzle.title ?? ''}`);
if (file.endsWith('.puz')) lines.push(`checksums ${puzChecksumsRight(data) ? 'ok' : 'bad'}`);
process.stdout.write(lines.join('\n') + '\n');
