// The WebAssembly module (vartel.js): the live run (PageSession), and the batch tool's scripted runs.

// When the page's clock is to run the next pass: keep what is planned, at the next frame unless a pass is
// planned already, after so many milliseconds instead, or not at all.
interface PassPlan {
  due: 'unchanged' | 'soon' | 'after' | 'never';
  milliseconds: number;
}

interface Bulletin {
  text: string;
  background: string; // CSS colours
  color: string;
  pointSize: number; // 0: unchanged
}

interface RunShown {
  state: 'ready' | 'running' | 'paused' | 'stepping' | 'finished';
  caption: string; // the Start button's caption and hint
  hint: string;
}

// What the run changed since the page last asked.
interface RunChanges {
  fields: Record<string, string>; // by the fields' object names
  bulletin?: Bulletin;
  countdown?: { text: string; color: string };
  incidentsAvailable?: boolean;
  run?: RunShown;
  instruction?: string;
  ageGraphsAvailable?: boolean;
  corrections: string[];
  sounds: string[];
  graphChanged: boolean;
  pyramidChanged: boolean;
  finished: boolean;
}

// Pixels as ImageData takes them; `data` is valid until the next call into the module.
interface Picture {
  width: number;
  height: number;
  data: Uint8Array;
}

interface PageSession {
  startUp(): PassPlan;
  pressStart(): PassPlan;
  newRun(): PassPlan;
  chooseScenario(scenario: number): PassPlan;
  setStepMode(on: boolean): PassPlan;
  runPass(held: boolean): PassPlan;
  setSpeed(speed: number): void;
  startIncident(incident: number): void;
  setSound(on: boolean): void;
  setPauseAtAlarms(on: boolean): void;
  commit(field: string, text: string): string; // the message of a text that is not a number, else ""
  shownText(field: string): string;
  typedKey(field: string, typed: number, text: string): number; // the character put, -1 when refused
  takeChanges(): RunChanges;
  setDeviceRatio(ratio: number): void;
  graphPixels(): Picture; // with the marker of the past year on display
  // Browsing the past: the mouse or a finger at (x, y) of the graph's logical pixels, a click there, a key
  // on the graph (whether it browses now), and the mouse over a place that shows the present.
  graphPointerMove(x: number, y: number): void;
  graphClick(x: number, y: number): void;
  graphKeyDown(key: string, shift: boolean, otherModifiers: boolean): boolean;
  showPresent(): void;
  pyramidPixels(): Picture;
  dataFile(date: string): string;
  graphBmp(): Uint8Array; // valid until the next call into the module
  pyramidBmp(): Uint8Array;
}

interface VartelWasm {
  ccall(name: string, returnType: 'string', argTypes: 'string'[], args: string[]): string;
  PageSession: new (deviceRatio: number) => PageSession;
}

declare function VartelModule(): Promise<VartelWasm>;

// The data file of the run the batch tool's `args` ask for, dated `date`; an "Error: ..." text for
// arguments the batch tool refuses.
function runDataFile(wasm: VartelWasm, args: string[], date: string): string {
  return wasm.ccall('vartel_run_data_file', 'string', ['string', 'string'], [args.join('\n'), date]);
}
