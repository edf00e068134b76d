// The WebAssembly module (vartel.js): the model, the batch tool's runs and the data file writer.

interface VartelWasm {
  ccall(name: string, returnType: 'string', argTypes: 'string'[], args: string[]): string;
}

declare function VartelModule(): Promise<VartelWasm>;

// The data file of the run the batch tool's `args` ask for, dated `date`; an "Error: ..." text for
// arguments the batch tool refuses.
function runDataFile(wasm: VartelWasm, args: string[], date: string): string {
  return wasm.ccall('vartel_run_data_file', 'string', ['string', 'string'], [args.join('\n'), date]);
}
