// The note service's structures and calls (the subset of Evernote's EDAM
// interface the client uses), read and written with the Apache Thrift
// library's protocol objects. Field ids and types are EDAM's own.
import thrift from 'thrift';

const { Type, MessageType, TApplicationException, TApplicationExceptionType } = thrift.Thrift;
const Int64 = thrift.Int64;

export { Type, MessageType };

export const ErrorCode = Object.freeze({
  UNKNOWN: 1,
  BAD_DATA_FORMAT: 2,
  PERMISSION_DENIED: 3,
  INTERNAL_ERROR: 4,
  DATA_REQUIRED: 5,
  LIMIT_REACHED: 6,
  QUOTA_REACHED: 7,
  INVALID_AUTH: 8,
  AUTH_EXPIRED: 9,
  DATA_CONFLICT: 10,
  ENML_VALIDATION: 11,
});

// Thrown by handlers; becomes the result's exception field.
export class UserException extends Error {
  constructor(errorCode, parameter) {
    super(`EDAMUserException ${errorCode} ${parameter || ''}`);
    this.errorCode = errorCode;
    this.parameter = parameter;
  }
}
export class SystemException extends Error {
  constructor(errorCode, message) {
    super(message || `EDAMSystemException ${errorCode}`);
    this.errorCode = errorCode;
  }
}
export class NotFoundException extends Error {
  constructor(identifier, key) {
    super(`EDAMNotFoundException ${identifier} ${key || ''}`);
    this.identifier = identifier;
    this.key = key;
  }
}

const toNumber = (v) => (v instanceof Int64 ? v.toNumber(true) : Number(v));

// A struct schema: id -> [name, type, element type or nested schema].
const NOTE_ATTRIBUTES = {
  1: ['subjectDate', Type.I64], 10: ['latitude', Type.DOUBLE], 11: ['longitude', Type.DOUBLE],
  12: ['altitude', Type.DOUBLE], 13: ['author', Type.STRING], 14: ['source', Type.STRING],
  15: ['sourceURL', Type.STRING], 16: ['sourceApplication', Type.STRING], 17: ['shareDate', Type.I64],
  18: ['reminderOrder', Type.I64], 19: ['reminderDoneTime', Type.I64], 20: ['reminderTime', Type.I64],
  21: ['placeName', Type.STRING], 22: ['contentClass', Type.STRING], 24: ['lastEditedBy', Type.STRING],
};
export const NOTE = {
  1: ['guid', Type.STRING], 2: ['title', Type.STRING], 3: ['content', Type.STRING],
  4: ['contentHash', 'binary'], 5: ['contentLength', Type.I32], 6: ['created', Type.I64],
  7: ['updated', Type.I64], 8: ['deleted', Type.I64], 9: ['active', Type.BOOL],
  10: ['updateSequenceNum', Type.I32], 11: ['notebookGuid', Type.STRING],
  12: ['tagGuids', Type.LIST, Type.STRING], 14: ['attributes', Type.STRUCT, NOTE_ATTRIBUTES],
  15: ['tagNames', Type.LIST, Type.STRING],
};
export const NOTE_LIST = {
  1: ['startIndex', Type.I32], 2: ['totalNotes', Type.I32], 3: ['notes', Type.LIST, NOTE],
  4: ['stoppedWords', Type.LIST, Type.STRING], 5: ['searchedWords', Type.LIST, Type.STRING],
  6: ['updateCount', Type.I32],
};
export const NOTE_FILTER = {
  1: ['order', Type.I32], 2: ['ascending', Type.BOOL], 3: ['words', Type.STRING],
  4: ['notebookGuid', Type.STRING], 5: ['tagGuids', Type.LIST, Type.STRING], 6: ['timeZone', Type.STRING],
  7: ['inactive', Type.BOOL], 8: ['emphasized', Type.STRING],
};
const USER_EXCEPTION = { 1: ['errorCode', Type.I32], 2: ['parameter', Type.STRING] };
const SYSTEM_EXCEPTION = { 1: ['errorCode', Type.I32], 2: ['message', Type.STRING], 3: ['rateLimitDuration', Type.I32] };
const NOT_FOUND_EXCEPTION = { 1: ['identifier', Type.STRING], 2: ['key', Type.STRING] };

function wireType(type) {
  return type === 'binary' ? Type.STRING : type;
}

function readValue(input, type, inner) {
  switch (type) {
    case Type.BOOL: return input.readBool();
    case Type.BYTE: return input.readByte();
    case Type.I16: return input.readI16();
    case Type.I32: return input.readI32();
    case Type.I64: return toNumber(input.readI64());
    case Type.DOUBLE: return input.readDouble();
    case Type.STRING: return input.readString();
    case 'binary': return input.readBinary();
    case Type.STRUCT: return readStruct(input, inner);
    case Type.LIST: {
      const { etype, size } = input.readListBegin();
      const out = [];
      const schema = typeof inner === 'object' ? inner : null;
      const element = schema ? Type.STRUCT : inner;
      for (let i = 0; i < size; i++) {
        if (etype !== element) input.skip(etype);
        else out.push(readValue(input, element, schema));
      }
      input.readListEnd();
      return out;
    }
    default:
      input.skip(type);
      return undefined;
  }
}

// Reads a struct by schema; fields of unknown id or unexpected type are skipped.
export function readStruct(input, schema) {
  const out = {};
  input.readStructBegin();
  for (;;) {
    const { ftype, fid } = input.readFieldBegin();
    if (ftype === Type.STOP) break;
    const field = schema[fid];
    if (field && wireType(field[1]) === ftype) out[field[0]] = readValue(input, field[1], field[2]);
    else input.skip(ftype);
    input.readFieldEnd();
  }
  input.readStructEnd();
  return out;
}

function writeValue(output, type, inner, value) {
  switch (type) {
    case Type.BOOL: output.writeBool(Boolean(value)); break;
    case Type.I32: output.writeI32(value); break;
    case Type.I64: output.writeI64(new Int64(value)); break;
    case Type.DOUBLE: output.writeDouble(value); break;
    case Type.STRING: output.writeString(String(value)); break;
    case 'binary': output.writeBinary(Buffer.from(value)); break;
    case Type.STRUCT: writeStruct(output, inner, value); break;
    case Type.LIST: {
      const schema = typeof inner === 'object' ? inner : null;
      const element = schema ? Type.STRUCT : inner;
      output.writeListBegin(element, value.length);
      for (const item of value) writeValue(output, element, schema, item);
      output.writeListEnd();
      break;
    }
    default: throw new Error(`cannot write type ${type}`);
  }
}

// Writes the fields of a struct that are set (not undefined or null).
export function writeStruct(output, schema, value, name = 'struct') {
  output.writeStructBegin(name);
  for (const id of Object.keys(schema).map(Number).sort((a, b) => a - b)) {
    const [fieldName, type, inner] = schema[id];
    const v = value[fieldName];
    if (v === undefined || v === null) continue;
    output.writeFieldBegin(fieldName, wireType(type), id);
    writeValue(output, type, inner, v);
    output.writeFieldEnd();
  }
  output.writeFieldStop();
  output.writeStructEnd();
}

// Argument lists of the calls, as structs.
const CALLS = {
  getNoteStoreUrl: { 1: ['authenticationToken', Type.STRING] },
  findNotes: {
    1: ['authenticationToken', Type.STRING], 2: ['filter', Type.STRUCT, NOTE_FILTER],
    3: ['offset', Type.I32], 4: ['maxNotes', Type.I32],
  },
  getNote: {
    1: ['authenticationToken', Type.STRING], 2: ['guid', Type.STRING], 3: ['withContent', Type.BOOL],
    4: ['withResourcesData', Type.BOOL], 5: ['withResourcesRecognition', Type.BOOL],
    6: ['withResourcesAlternateData', Type.BOOL],
  },
  createNote: { 1: ['authenticationToken', Type.STRING], 2: ['note', Type.STRUCT, NOTE] },
};
const RESULTS = {
  getNoteStoreUrl: [Type.STRING, null],
  findNotes: [Type.STRUCT, NOTE_LIST],
  getNote: [Type.STRUCT, NOTE],
  createNote: [Type.STRUCT, NOTE],
};

// A Thrift processor over a table of handlers (name -> async (args) => result).
// One message per request, as the HTTP transport carries it.
export class Processor {
  constructor(handlers, log = () => {}) {
    this.handlers = handlers;
    this.log = log;
  }

  async process(input, output) {
    const { fname, mtype, rseqid } = input.readMessageBegin();
    const handler = this.handlers[fname];
    if (mtype !== MessageType.CALL || !handler || !CALLS[fname]) {
      input.skip(Type.STRUCT);
      input.readMessageEnd();
      const x = new TApplicationException(TApplicationExceptionType.UNKNOWN_METHOD, `Unknown function ${fname}`);
      output.writeMessageBegin(fname, MessageType.EXCEPTION, rseqid);
      x.write(output);
      output.writeMessageEnd();
      output.flush();
      return;
    }
    const args = readStruct(input, CALLS[fname]);
    input.readMessageEnd();
    const result = {};
    try {
      result.success = await handler(args);
    } catch (err) {
      if (err instanceof UserException) result.userException = err;
      else if (err instanceof SystemException) result.systemException = err;
      else if (err instanceof NotFoundException) result.notFoundException = err;
      else {
        this.log(`note service: ${fname} failed: ${err && err.stack ? err.stack : err}`);
        const x = new TApplicationException(TApplicationExceptionType.INTERNAL_ERROR, 'internal error');
        output.writeMessageBegin(fname, MessageType.EXCEPTION, rseqid);
        x.write(output);
        output.writeMessageEnd();
        output.flush();
        return;
      }
    }
    const [type, schema] = RESULTS[fname];
    output.writeMessageBegin(fname, MessageType.REPLY, rseqid);
    output.writeStructBegin(`${fname}_result`);
    if (result.success !== undefined) {
      output.writeFieldBegin('success', type, 0);
      writeValue(output, type, schema, result.success);
      output.writeFieldEnd();
    } else if (result.userException) {
      output.writeFieldBegin('userException', Type.STRUCT, 1);
      writeStruct(output, USER_EXCEPTION, result.userException, 'EDAMUserException');
      output.writeFieldEnd();
    } else if (result.systemException) {
      output.writeFieldBegin('systemException', Type.STRUCT, 2);
      writeStruct(output, SYSTEM_EXCEPTION, result.systemException, 'EDAMSystemException');
      output.writeFieldEnd();
    } else if (result.notFoundException) {
      output.writeFieldBegin('notFoundException', Type.STRUCT, 3);
      writeStruct(output, NOT_FOUND_EXCEPTION, result.notFoundException, 'EDAMNotFoundException');
      output.writeFieldEnd();
    }
    output.writeFieldStop();
    output.writeStructEnd();
    output.writeMessageEnd();
    output.flush();
  }
}

// The client side of the same calls, for the services' own tests: builds a
// call message and reads its reply with the library's protocol.
export function encodeCall(name, args, seqid = 0) {
  let bytes = null;
  const transport = new thrift.TBufferedTransport(undefined, (buf) => { bytes = buf; });
  const output = new thrift.TBinaryProtocol(transport);
  output.writeMessageBegin(name, MessageType.CALL, seqid);
  writeStruct(output, CALLS[name], args, `${name}_args`);
  output.writeMessageEnd();
  output.flush();
  return bytes;
}

export function decodeReply(name, bytes) {
  let result = null;
  const receive = thrift.TBufferedTransport.receiver((transport) => {
    const input = new thrift.TBinaryProtocol(transport);
    const { mtype } = input.readMessageBegin();
    if (mtype === MessageType.EXCEPTION) {
      const x = new TApplicationException();
      x.read(input);
      result = { applicationException: x };
      return;
    }
    const [type, schema] = RESULTS[name];
    result = readStruct(input, {
      0: ['success', type, schema],
      1: ['userException', Type.STRUCT, USER_EXCEPTION],
      2: ['systemException', Type.STRUCT, SYSTEM_EXCEPTION],
      3: ['notFoundException', Type.STRUCT, NOT_FOUND_EXCEPTION],
    });
  });
  receive(bytes);
  return result;
}
