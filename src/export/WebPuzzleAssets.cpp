#include "export/WebPuzzleAssets.h"

namespace gw::exports {

// The grid's squares overlap their neighbours by their 1 px border, so that inner lines are as
// thin as the outline; --cell is a square's side, the grid as wide as the screen allows.
const std::string_view WebPuzzleStyle = R"WEB(:root {
  --ink: #1b1b1b; --paper: #fff; --page: #f3f2ee; --accent: #1a5fb4;
  --word: #cfe3ff; --cross: #eaf2ff; --sel: #ffd84d; --wrong: #c01c28; --solved: #1e7f46;
}
* { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0; background: var(--page); color: var(--ink);
  font: 16px/1.4 system-ui, -apple-system, "Segoe UI", Roboto, "Liberation Sans", Arial, sans-serif;
}
main { max-width: 75rem; margin: 0 auto; padding: 1rem; }
h1 { margin: 0 0 .75rem; font-size: 1.6rem; text-align: center; overflow-wrap: anywhere; }
.tools { display: flex; flex-wrap: wrap; justify-content: center; gap: .4rem; }
button {
  min-height: 2.5rem; padding: .4rem .8rem; border: 1px solid #8a8a8a; border-radius: .4rem;
  background: var(--paper); color: inherit; font: inherit; font-size: .95rem; cursor: pointer;
}
:focus-visible { outline: 3px solid var(--accent); outline-offset: 2px; }
.status { min-height: 1.6em; margin: .5rem 0; text-align: center; font-weight: 600; }
.status.solved { color: var(--solved); font-size: 1.25rem; }
.board { display: flex; flex-wrap: wrap; justify-content: center; align-items: flex-start; gap: 1.5rem; }
.play {
  --cell: min(2.4rem, calc((100vw - 2rem - 1px) / var(--w)), max(1.6rem, calc((100vh - 13rem) / var(--h))));
  position: relative; width: calc(var(--cell) * var(--w) + 1px); max-width: 100%;
}
.clue-bar {
  position: sticky; top: 0; z-index: 2; min-height: 2.6em; margin-bottom: .6rem; padding: .35rem .6rem;
  border-radius: .3rem; background: var(--word); box-shadow: 0 1px 3px rgba(0, 0, 0, .15);
}
.clue-bar b { margin-right: .5rem; }
.grid {
  display: grid; grid-template-columns: repeat(var(--w), var(--cell));
  grid-template-rows: repeat(var(--h), var(--cell)); padding: 1px 0 0 1px;
  user-select: none; -webkit-user-select: none; touch-action: manipulation;
  -webkit-tap-highlight-color: transparent;
}
.play:focus-within .grid { outline: 3px solid var(--accent); outline-offset: 3px; }
.sq, .bk { margin: -1px 0 0 -1px; border: 1px solid var(--ink); }
.bk { background: var(--ink); }
.sq { position: relative; background: var(--paper); cursor: pointer; }
.sq .n {
  position: absolute; top: 1px; left: 2px; font-size: max(7px, calc(var(--cell) * .3)); line-height: 1;
  pointer-events: none;
}
.sq .l {
  position: absolute; inset: 0; display: flex; align-items: center; justify-content: center;
  padding-top: calc(var(--cell) * .16); font-size: calc(var(--cell) * .56); font-weight: 600; line-height: 1;
  pointer-events: none;
}
.sq.word { background: var(--word); }
.sq.sel { background: var(--sel); }
.play:focus-within .sq.sel { box-shadow: inset 0 0 0 2px var(--ink); }
.sq.wrong .l { color: var(--wrong); }
.sq.wrong::after {
  content: ""; position: absolute; inset: 0; pointer-events: none;
  background: linear-gradient(to top right, transparent calc(50% - 1.5px), var(--wrong) calc(50% - 1px),
    var(--wrong) calc(50% + 1px), transparent calc(50% + 1.5px));
}
.sq.revealed .l { color: var(--accent); }
.sq.revealed::before {
  content: ""; position: absolute; top: 0; right: 0; pointer-events: none;
  border: calc(var(--cell) * .12) solid var(--accent); border-left-color: transparent;
  border-bottom-color: transparent;
}
.typing {
  position: absolute; top: 0; left: 0; width: var(--cell); height: var(--cell); margin: 0; padding: 0;
  border: 0; opacity: 0; background: transparent; color: transparent; caret-color: transparent; font-size: 16px;
  pointer-events: none;
}
.lists { display: flex; flex-wrap: wrap; gap: 1.5rem; flex: 1 1 20rem; max-width: 48rem; }
.clues { flex: 1 1 14rem; }
.clues h2 { margin: 0 0 .4rem; padding-bottom: .2rem; border-bottom: 2px solid var(--ink); font-size: 1.15rem; }
.clues ol { margin: 0; padding: 0; list-style: none; }
.clues li { display: flex; gap: .5rem; padding: .3rem .4rem; border-radius: .3rem; cursor: pointer; }
/* On touch screens a hover would stay on what was last tapped. */
@media (hover: hover) {
  button:hover { background: #e8f0fb; }
  .clues li:hover { background: var(--cross); }
}
.clues li.cross { background: var(--cross); }
.clues li.current { background: var(--word); box-shadow: inset 3px 0 0 var(--accent); }
.clues .num { flex: 0 0 2ch; text-align: right; font-weight: 700; }
@media (max-width: 40rem) {
  main { padding: .5rem; }
  h1 { margin-bottom: .5rem; font-size: 1.3rem; }
  .tools { gap: .3rem; }
  button { padding: .3rem .55rem; font-size: .9rem; }
  .play { --cell: min(2.4rem, calc((100vw - 1rem - 1px) / var(--w))); }
  .board, .lists { gap: 1rem; }
}
@media print {
  @page { margin: 1.5cm; }
  body { background: #fff; font-size: 11pt; }
  main { max-width: none; padding: 0; }
  .tools, .status, .clue-bar, .typing { display: none !important; }
  .board { display: block; }
  .play { --cell: min(1cm, calc(17cm / var(--w))); margin: 0 auto 1cm; break-inside: avoid; }
  .grid { outline: none !important; }
  .sq, .bk { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  .sq { background: #fff !important; box-shadow: none !important; }
  .sq .l, .sq::before, .sq::after { display: none; }
  .lists { max-width: none; }
  .clues li { padding: .1rem 0; background: none !important; box-shadow: none !important; break-inside: avoid; }
}
)WEB";

const std::string_view WebPuzzleTools = R"WEB(<div class="tools" aria-label="Puzzle tools">
<button type="button" id="check">Check</button>
<button type="button" id="reveal-letter">Reveal letter</button>
<button type="button" id="reveal-word">Reveal word</button>
<button type="button" id="reveal-puzzle">Reveal puzzle</button>
<button type="button" id="clear">Clear</button>
<button type="button" id="print">Print</button>
</div>
<p class="status" id="status" role="status" aria-live="polite"></p>
)WEB";

// The solver types into one invisible text box kept over the selected square: it has the
// keyboard focus for the whole grid, and on a touch screen its focus brings up the keyboard.
// Clicks and taps go through it to the square below.
const std::string_view WebPuzzleTyping
    = R"WEB(<input class="typing" id="typing" type="text" autocomplete="off" autocorrect="off" autocapitalize="characters" spellcheck="false" aria-label="Puzzle grid">
)WEB";

const std::string_view WebPuzzleScript = R"WEB((() => {
'use strict';
const main = document.getElementById('puzzle');
const grid = document.getElementById('grid');
const input = document.getElementById('typing');
const status = document.getElementById('status');
const clueBar = document.getElementById('clue-bar');
const width = Number(main.dataset.width);
const height = Number(main.dataset.height);
const storageKey = main.dataset.key;

// The answers come scrambled: base64 of their UTF-8, XOR an xorshift32 stream from the seed.
function unscramble(text, seed) {
  const bytes = Uint8Array.from(atob(text), (ch) => ch.charCodeAt(0));
  let state = seed >>> 0 || 0x9e3779b9;
  for (let k = 0; k < bytes.length; k++) {
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    state >>>= 0;
    bytes[k] ^= state & 0xff;
  }
  return Array.from(new TextDecoder().decode(bytes));
}

const squares = new Map();
for (const square of grid.querySelectorAll('.sq')) squares.set(Number(square.dataset.i), square);
const order = Array.from(squares.keys()).sort((a, b) => a - b);
const letters = unscramble(main.dataset.answers, Number(main.dataset.seed));
const answer = new Map(order.map((i, k) => [i, upper(letters[k] || '')]));

// The words in the order of the lists, Across first: the order of Tab.
const words = [];
const wordsAt = new Map();
for (const li of document.querySelectorAll('.clues li')) {
  const dir = li.dataset.dir;
  const column = Number(li.dataset.c) - 1;
  const row = Number(li.dataset.r) - 1;
  const cells = [];
  for (let k = 0; k < Number(li.dataset.len); k++) {
    const c = dir === 'across' ? column + k : column;
    const i = (dir === 'across' ? row : row + k) * width + c;
    if (c >= width || !squares.has(i)) break;
    cells.push(i);
  }
  if (!cells.length) continue;
  const heading = li.closest('section').querySelector('h2').textContent;
  const word = {
    dir, cells, li,
    name: li.querySelector('.num').textContent + ' ' + heading,
    clue: li.querySelector('.text').textContent,
  };
  words.push(word);
  for (const i of cells) {
    const at = wordsAt.get(i) || {};
    at[dir] = at[dir] || word;
    wordsAt.set(i, at);
  }
  li.addEventListener('click', () => { chooseWord(word); focusGrid(); });
}

const fill = new Map();
const revealed = new Set();
let selected = null;
let direction = 'across';

const other = (dir) => (dir === 'across' ? 'down' : 'across');
const wordAt = (i, dir) => (wordsAt.get(i) || {})[dir];
const currentWord = () => (selected === null ? undefined : wordAt(selected, direction));
const isLetter = (ch) => /^[\p{L}\p{N}]$/u.test(ch);
function upper(ch) {
  const up = ch.toLocaleUpperCase();
  return Array.from(up).length === 1 ? up : ch;
}

function draw(i) {
  squares.get(i).querySelector('.l').textContent = fill.get(i) || '';
  squares.get(i).classList.toggle('revealed', revealed.has(i));
}

function show() {
  for (const square of grid.querySelectorAll('.word, .sel')) square.classList.remove('word', 'sel');
  for (const li of document.querySelectorAll('.clues li.current, .clues li.cross')) {
    li.classList.remove('current', 'cross');
  }
  if (selected === null) return;
  const word = currentWord();
  const crossing = wordAt(selected, other(direction));
  if (word) {
    for (const i of word.cells) squares.get(i).classList.add('word');
    word.li.classList.add('current');
  }
  if (crossing) crossing.li.classList.add('cross');
  const square = squares.get(selected);
  square.classList.add('sel');
  const name = document.createElement('b');
  name.textContent = word ? word.name : '';
  clueBar.replaceChildren(name, word ? word.clue : '');
  input.style.left = square.offsetLeft + 'px';
  input.style.top = square.offsetTop + 'px';
  input.setAttribute('aria-label', word
    ? `${word.name}: ${word.clue}, ${word.cells.length} letters` : 'Puzzle grid');
}

function select(i, dir) {
  selected = i;
  direction = wordAt(i, dir) || !wordAt(i, other(dir)) ? dir : other(dir);
  show();
}

function chooseWord(word) {
  select(word.cells.find((i) => !fill.get(i)) ?? word.cells[0], word.dir);
}

function focusGrid() {
  input.focus({ preventScroll: true });
}

function toggle() {
  if (selected !== null && wordAt(selected, other(direction))) {
    direction = other(direction);
    show();
  }
}

// The next letter square from i that way, over blocks and gaps in the shape.
function step(i, dr, dc) {
  let r = Math.floor(i / width);
  let c = i % width;
  for (;;) {
    r += dr;
    c += dc;
    if (r < 0 || c < 0 || r >= height || c >= width) return null;
    if (squares.has(r * width + c)) return r * width + c;
  }
}

function arrow(dr, dc) {
  if (selected !== null) select(step(selected, dr, dc) ?? selected, dc ? 'across' : 'down');
}

function advance(by) {
  const word = currentWord();
  if (!word) return;
  const k = word.cells.indexOf(selected) + by;
  if (k >= 0 && k < word.cells.length) select(word.cells[k], direction);
}

// False past the last word or before the first, where Tab leaves the grid.
function nextWord(by) {
  const word = currentWord();
  const k = word ? words.indexOf(word) + by : by > 0 ? 0 : words.length - 1;
  if (k < 0 || k >= words.length) return false;
  chooseWord(words[k]);
  return true;
}

function say(text, solved = false) {
  status.textContent = text;
  status.classList.toggle('solved', solved);
}

function save() {
  try {
    localStorage.setItem(storageKey, JSON.stringify({ fill: Object.fromEntries(fill), revealed: [...revealed] }));
  } catch (e) {
    // Without storage (turned off, full) the puzzle still works; only a reload forgets.
  }
}

function load() {
  let kept = null;
  try {
    kept = JSON.parse(localStorage.getItem(storageKey) || 'null');
  } catch (e) {
    return;
  }
  if (!kept || typeof kept !== 'object') return;
  for (const [key, letter] of Object.entries(kept.fill || {})) {
    const i = Number(key);
    if (squares.has(i) && typeof letter === 'string' && Array.from(letter).length === 1) fill.set(i, letter);
  }
  for (const i of Array.isArray(kept.revealed) ? kept.revealed : []) {
    if (fill.has(i)) revealed.add(i);
  }
}

function judge() {
  const solved = order.length > 0 && order.every((i) => fill.get(i) === answer.get(i));
  const was = main.classList.contains('solved');
  main.classList.toggle('solved', solved);
  if (solved) say('Congratulations!  The puzzle is solved.', true);
  else if (was) say('');
}

function changed() {
  save();
  judge();
}

// Revealed letters are right: they stay.
function put(i, letter) {
  if (revealed.has(i)) return;
  if (letter) fill.set(i, letter);
  else fill.delete(i);
  squares.get(i).classList.remove('wrong');
  draw(i);
}

function type(ch) {
  if (selected === null) return;
  if (!main.classList.contains('solved')) say('');
  put(selected, upper(ch));
  advance(1);
  changed();
}

function erase() {
  if (selected === null) return;
  if (!fill.get(selected) || revealed.has(selected)) advance(-1);
  put(selected, '');
  changed();
}

function reveal(cells) {
  for (const i of cells) {
    fill.set(i, answer.get(i));
    revealed.add(i);
    squares.get(i).classList.remove('wrong');
    draw(i);
  }
  changed();
}

function check() {
  let wrong = 0;
  for (const [i, letter] of fill) {
    const bad = letter !== answer.get(i);
    squares.get(i).classList.toggle('wrong', bad);
    if (bad) wrong++;
  }
  if (main.classList.contains('solved')) return;
  say(wrong === 0 ? 'No wrong letters so far.'
    : wrong === 1 ? '1 wrong letter is marked.' : `${wrong} wrong letters are marked.`);
}

function clear() {
  fill.clear();
  revealed.clear();
  for (const i of order) {
    squares.get(i).classList.remove('wrong');
    draw(i);
  }
  say('');
  changed();
}

input.addEventListener('keydown', (event) => {
  if (event.ctrlKey || event.metaKey || event.altKey || event.isComposing) return;
  switch (event.key) {
  case 'ArrowLeft': arrow(0, -1); break;
  case 'ArrowRight': arrow(0, 1); break;
  case 'ArrowUp': arrow(-1, 0); break;
  case 'ArrowDown': arrow(1, 0); break;
  case 'Tab':
    if (!nextWord(event.shiftKey ? -1 : 1)) return;
    break;
  case 'Backspace': erase(); break;
  case 'Delete':
    if (selected !== null) {
      put(selected, '');
      changed();
    }
    break;
  case 'Enter':
  case ' ':
    toggle();
    break;
  default:
    if (!isLetter(event.key)) return;
    type(event.key);
  }
  event.preventDefault();
});
// Touch keyboards often send no key names: their letters arrive as input.
input.addEventListener('input', () => {
  for (const ch of input.value) if (isLetter(ch)) type(ch);
  input.value = '';
});
input.addEventListener('beforeinput', (event) => {
  if (event.inputType === 'deleteContentBackward') {
    event.preventDefault();
    erase();
  }
});
input.addEventListener('focus', () => {
  if (selected === null && words.length) chooseWord(words[0]);
});

// A press on the grid, a clue or a button leaves the keyboard focus in the grid.
for (const area of document.querySelectorAll('.grid, .lists, .tools')) {
  area.addEventListener('mousedown', (event) => event.preventDefault());
}
grid.addEventListener('click', (event) => {
  const square = event.target.closest('.sq');
  if (!square) return;
  const i = Number(square.dataset.i);
  if (i === selected) toggle();
  else select(i, direction);
  focusGrid();
});

document.getElementById('check').addEventListener('click', check);
document.getElementById('reveal-letter').addEventListener('click', () => {
  if (selected !== null) reveal([selected]);
});
document.getElementById('reveal-word').addEventListener('click', () => {
  const word = currentWord();
  if (word) reveal(word.cells);
  else if (selected !== null) reveal([selected]);
});
document.getElementById('reveal-puzzle').addEventListener('click', () => {
  if (confirm('Reveal the whole puzzle?')) reveal(order);
});
document.getElementById('clear').addEventListener('click', () => {
  if (confirm('Clear all your letters?')) clear();
});
document.getElementById('print').addEventListener('click', () => window.print());
window.addEventListener('resize', show);

load();
for (const i of order) draw(i);
if (words.length) chooseWord(words[0]);
judge();
})();
)WEB";

} // namespace gw::exports
